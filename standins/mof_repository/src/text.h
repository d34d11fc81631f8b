// Small text helpers: ASCII case folding and UTF-8/UTF-16 conversion.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mofrepo::detail {

inline char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
inline char16_t lowerAscii(char16_t c) {
  return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}
inline bool isAsciiLetter(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool isAsciiDigit(char32_t c) {
  return c >= '0' && c <= '9';
}
inline bool isIdentifierStart(char32_t c) {
  return isAsciiLetter(c) || c == '_';
}
inline bool isIdentifierPart(char32_t c) {
  return isIdentifierStart(c) || isAsciiDigit(c);
}

std::string lowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// The name as ASCII, lower-cased; nothing when it holds any other character.
std::optional<std::string> lowerAsciiName(std::u16string_view name);

// Appends code point `c` (at most 0x10FFFF, not a surrogate) in UTF-16.
void appendUtf16(std::u16string& out, char32_t c);

// Decodes one UTF-8 sequence at text[pos], advancing pos; nothing when it is malformed (overlong,
// a surrogate, beyond 0x10FFFF or cut short).
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos);

// UTF-16 (little- or big-endian byte pairs) to UTF-8; nothing on an unpaired surrogate or an odd
// number of bytes.
std::optional<std::string> utf16BytesToUtf8(std::string_view bytes, bool bigEndian);

// For messages: the text as ASCII, other characters as '?', cut to a readable length.
std::string printable(std::u16string_view text);
std::string printable(std::string_view text);

}  // namespace mofrepo::detail
