// The module's two trace hooks, and the formatting of trace lines.
//
// Every entry point and most member operations trace a line on entry and at each decision. The
// hooks receive one finished line each. By default nothing is listening: the line is discarded
// and, for a line that carries values, never formatted at all. A developer build
// (VELTRA_TRACE_OUTPUT) sends each line to standard error or the debugger; a test can install
// its own sink.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace veltra::support {

// A finished line never exceeds this, terminator included; a longer one is cut.
constexpr std::size_t kTraceLineCapacity = 1024;

// Receives each finished line. `object` is the tracing object for traceObject, else null.
using TraceSink = void (*)(const void* object, const char* line);

// Installs `sink` (null discards everything) and returns the one it replaces.
TraceSink setTraceSink(TraceSink sink) noexcept;

namespace detail {
extern std::atomic<TraceSink> gTraceSink;
}

// True when a line would go somewhere, so it is worth formatting.
inline bool tracing() noexcept {
  return detail::gTraceSink.load(std::memory_order_relaxed) != nullptr;
}

namespace detail {
void emit(const void* object, const char* line) noexcept;
}

// The hooks: hand one finished line to the sink, if there is one. Inline, so that with no sink a
// line costs one load and a branch where it stands.
inline void trace(const char* line) noexcept {
  if (tracing()) detail::emit(nullptr, line);
}
inline void traceObject(const void* object, const char* line) noexcept {
  if (tracing()) detail::emit(object, line);
}

// One argument of a formatted line: module text (%s), UTF-16 text (%S) or an integer (%d, %ld,
// %u, %x). Built implicitly, so call sites read like printf.
class TraceArg {
 public:
  enum class Kind { kText, kWideText, kSigned, kUnsigned };

  TraceArg(const char* text) noexcept : kind_(Kind::kText), text_(text) {}
  TraceArg(const char16_t* text) noexcept : kind_(Kind::kWideText), wide_(text) {}
  template <typename Int, typename = std::enable_if_t<std::is_integral_v<Int>>>
  TraceArg(Int value) noexcept
      : kind_(std::is_signed_v<Int> ? Kind::kSigned : Kind::kUnsigned),
        integer_(static_cast<std::int64_t>(value)) {}

  Kind kind() const noexcept { return kind_; }
  const char* text() const noexcept { return text_; }
  const char16_t* wideText() const noexcept { return wide_; }
  std::int64_t integer() const noexcept { return integer_; }

 private:
  Kind kind_;
  union {
    const char* text_;
    const char16_t* wide_;
    std::int64_t integer_;
  };
};

// Formats `format` with `args` into `line`, cut to kTraceLineCapacity - 1 bytes and terminated.
// Knows %s, %S, %d, %ld, %u, %x and %%; %x shows the low 32 bits. Returns the length written.
std::size_t formatTraceLine(char (&line)[kTraceLineCapacity], const char* format,
                            const TraceArg* args, std::size_t count) noexcept;

// How many lines have been formatted in this process: with no sink, this never moves.
std::uint64_t formattedTraceLines() noexcept;

namespace detail {
void emitFormatted(const void* object, const char* format, const TraceArg* args,
                   std::size_t count) noexcept;
}

// printf-style lines, formatted only when a sink is listening.
template <typename... Args>
void traceFormat(const char* format, const Args&... args) noexcept {
  if (!tracing()) return;
  const TraceArg list[] = {TraceArg(args)...};
  detail::emitFormatted(nullptr, format, list, sizeof...(Args));
}

template <typename... Args>
void traceObjectFormat(const void* object, const char* format, const Args&... args) noexcept {
  if (!tracing()) return;
  const TraceArg list[] = {TraceArg(args)...};
  detail::emitFormatted(object, format, list, sizeof...(Args));
}

}  // namespace veltra::support
