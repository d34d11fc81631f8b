#include "text.h"

#include <cstdint>

namespace mofrepo::detail {

namespace {
constexpr std::size_t kPrintableLength = 64;  // longer names are cut in messages

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}
}  // namespace

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    c = lowerAscii(c);
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  }
  return true;
}

std::optional<std::string> lowerAsciiName(std::u16string_view name) {
  std::string out;
  out.reserve(name.size());
  for (char16_t c : name) {
    if (c >= 0x80) return std::nullopt;
    out.push_back(lowerAscii(static_cast<char>(c)));
  }
  return out;
}

void appendUtf16(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out.push_back(static_cast<char16_t>(c));
  } else {
    const char32_t v = c - 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
  }
}

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  // The lead byte tells the length, its own payload bits, and the least code point that needs
  // that many bytes (a smaller one is an overlong form).
  std::size_t length = 4;
  char32_t c = lead & 0x07u;
  char32_t minimum = 0x10000;
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1Fu;
    minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0Fu;
    minimum = 0x800;
  } else if ((lead & 0xF8) != 0xF0) {
    return std::nullopt;
  }
  if (text.size() - pos < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(pos + i);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    c = (c << 6) | (next & 0x3Fu);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
  pos += length;
  return c;
}

std::optional<std::string> utf16BytesToUtf8(std::string_view bytes, bool bigEndian) {
  if (bytes.size() % 2 != 0) return std::nullopt;
  const auto unit = [&](std::size_t i) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? static_cast<char32_t>((first << 8) | second)
                     : static_cast<char32_t>((second << 8) | first);
  };
  std::string out;
  out.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    char32_t c = unit(i);
    if (c >= 0xDC00 && c <= 0xDFFF) return std::nullopt;
    if (c >= 0xD800 && c <= 0xDBFF) {
      if (i + 2 >= bytes.size()) return std::nullopt;
      const char32_t low = unit(i + 2);
      if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
      c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
      i += 2;
    }
    appendUtf8(out, c);
  }
  return out;
}

std::string printable(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < kPrintableLength; ++i) {
    const char16_t c = text[i];
    out.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
  }
  if (text.size() > kPrintableLength) out += "...";
  return out;
}

std::string printable(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size() && i < kPrintableLength; ++i) {
    const char c = text[i];
    out.push_back(c >= 0x20 && c < 0x7F ? c : '?');
  }
  if (text.size() > kPrintableLength) out += "...";
  return out;
}

}  // namespace mofrepo::detail
