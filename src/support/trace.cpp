#include "support/trace.h"

#include "platform/debug_output.h"

namespace veltra::support {
namespace {

#if defined(VELTRA_TRACE_OUTPUT)
void toDebugOutput(const void*, const char* line) noexcept {
  platform::writeDebugLine(line);
}
constexpr TraceSink kDefaultSink = &toDebugOutput;
#else
constexpr TraceSink kDefaultSink = nullptr;
#endif

std::atomic<std::uint64_t> gFormattedLines{0};

// Appends bytes to a line without ever passing its last byte, kept for the terminator.
class LineWriter {
 public:
  explicit LineWriter(char (&line)[kTraceLineCapacity]) noexcept : line_(line) {}

  void put(char c) noexcept {
    if (length_ < kTraceLineCapacity - 1) line_[length_++] = c;
  }
  void put(const char* text) noexcept {
    if (text == nullptr) text = "(null)";
    while (*text != '\0' && length_ < kTraceLineCapacity - 1)
      line_[length_++] = *text++;
  }
  // UTF-16 text: ASCII passes through, anything else shows as '?'.
  void put(const char16_t* text) noexcept {
    if (text == nullptr) return put("(null)");
    for (; *text != u'\0' && length_ < kTraceLineCapacity - 1; ++text) {
      put(*text < 0x80 ? static_cast<char>(*text) : '?');
    }
  }
  void putNumber(std::uint64_t value, unsigned base) noexcept {
    char digits[20];
    int count = 0;
    do {
      digits[count++] = "0123456789abcdef"[value % base];
      value /= base;
    } while (value != 0);
    while (count > 0)
      put(digits[--count]);
  }
  void putSigned(std::int64_t value) noexcept {
    if (value < 0) {
      put('-');
      putNumber(0 - static_cast<std::uint64_t>(value), 10);
    } else {
      putNumber(static_cast<std::uint64_t>(value), 10);
    }
  }
  std::size_t finish() noexcept {
    line_[length_] = '\0';
    return length_;
  }

 private:
  char (&line_)[kTraceLineCapacity];
  std::size_t length_ = 0;
};

void putArgument(LineWriter& out, char conversion, const TraceArg& arg) noexcept {
  switch (arg.kind()) {
    case TraceArg::Kind::kText:
      return out.put(arg.text());
    case TraceArg::Kind::kWideText:
      return out.put(arg.wideText());
    case TraceArg::Kind::kSigned:
    case TraceArg::Kind::kUnsigned:
      break;
  }
  if (conversion == 'x') {
    // Result codes are 32-bit; show them as Windows does, 0x80041002 rather than a sign.
    return out.putNumber(static_cast<std::uint32_t>(arg.integer()), 16);
  }
  if (arg.kind() == TraceArg::Kind::kSigned) return out.putSigned(arg.integer());
  out.putNumber(static_cast<std::uint64_t>(arg.integer()), 10);
}

}  // namespace

namespace detail {
std::atomic<TraceSink> gTraceSink{kDefaultSink};

void emitFormatted(const void* object, const char* format, const TraceArg* args,
                   std::size_t count) noexcept {
  const TraceSink sink = gTraceSink.load(std::memory_order_relaxed);
  if (sink == nullptr) return;
  char line[kTraceLineCapacity];
  formatTraceLine(line, format, args, count);
  sink(object, line);
}
}  // namespace detail

TraceSink setTraceSink(TraceSink sink) noexcept {
  return detail::gTraceSink.exchange(sink, std::memory_order_relaxed);
}

void detail::emit(const void* object, const char* line) noexcept {
  if (const TraceSink sink = gTraceSink.load(std::memory_order_relaxed)) sink(object, line);
}

std::size_t formatTraceLine(char (&line)[kTraceLineCapacity], const char* format,
                            const TraceArg* args, std::size_t count) noexcept {
  gFormattedLines.fetch_add(1, std::memory_order_relaxed);
  LineWriter out(line);
  std::size_t next = 0;
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') {
      out.put(*p);
      continue;
    }
    ++p;
    if (*p == 'l') ++p;  // %ld: every integer argument already carries its full value
    switch (*p) {
      case '%':
        out.put('%');
        break;
      case 's':
      case 'S':
      case 'd':
      case 'u':
      case 'x':
        if (next < count) putArgument(out, *p, args[next++]);
        break;
      case '\0':
        return out.finish();
      default:
        out.put('%'), out.put(*p);
        break;
    }
  }
  return out.finish();
}

std::uint64_t formattedTraceLines() noexcept {
  return gFormattedLines.load(std::memory_order_relaxed);
}

}  // namespace veltra::support
