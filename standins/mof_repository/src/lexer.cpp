#include "lexer.h"

#include <cstdio>
#include <optional>

#include "text.h"

namespace mofrepo::detail {

namespace {

Token makeError(std::size_t line, std::string message) {
  Token token;
  token.kind = TokenKind::Error;
  token.line = line;
  token.text = std::move(message);
  return token;
}

std::optional<unsigned> hexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  return std::nullopt;
}

}  // namespace

bool Lexer::skipSpaceAndComments(std::string& error) {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c == '\n') {
      ++line_;
      ++pos_;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++pos_;
    } else if (text_.substr(pos_, 2) == "//") {
      const std::size_t end = text_.find('\n', pos_);
      pos_ = end == std::string_view::npos ? text_.size() : end;
    } else if (text_.substr(pos_, 2) == "/*") {
      const std::size_t end = text_.find("*/", pos_ + 2);
      if (end == std::string_view::npos) {
        error = "comment is not closed";
        return false;
      }
      for (std::size_t i = pos_; i < end; ++i) {
        if (text_[i] == '\n') ++line_;
      }
      pos_ = end + 2;
    } else {
      break;
    }
  }
  return true;
}

Token Lexer::next() {
  std::string error;
  if (!skipSpaceAndComments(error)) return makeError(line_, std::move(error));  // where it opened

  Token token;
  token.line = line_;
  if (pos_ == text_.size()) return token;

  const char c = text_[pos_];
  const char after = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
  const char twoAfter = pos_ + 2 < text_.size() ? text_[pos_ + 2] : '\0';
  if (isIdentifierStart(static_cast<unsigned char>(c))) {
    token.kind = TokenKind::Identifier;
    while (pos_ < text_.size() && isIdentifierPart(static_cast<unsigned char>(text_[pos_]))) {
      token.text.push_back(text_[pos_++]);
    }
    return token;
  }
  const bool sign = c == '+' || c == '-';
  const char first = sign ? after : c;
  const char second = sign ? twoAfter : after;
  if (isAsciiDigit(static_cast<unsigned char>(first)) ||
      (first == '.' && isAsciiDigit(static_cast<unsigned char>(second)))) {
    return readNumber();
  }
  if (c == '"') return readString();
  if (std::string_view("{}[]();,=:#").find(c) != std::string_view::npos) {
    token.kind = TokenKind::Punct;
    token.text.assign(1, c);
    ++pos_;
    return token;
  }
  const auto byte = static_cast<unsigned char>(c);
  char message[48];
  if (byte >= 0x20 && byte < 0x7F) {
    std::snprintf(message, sizeof message, "unexpected character '%c'", c);
  } else {
    std::snprintf(message, sizeof message, "unexpected byte 0x%02X", static_cast<unsigned>(byte));
  }
  return makeError(line_, message);
}

Token Lexer::readNumber() {
  Token token;
  token.kind = TokenKind::Number;
  token.line = line_;
  token.text.push_back(text_[pos_++]);
  // Take everything a numeric literal could be made of; the parser decides what it means. A sign
  // counts only right after an exponent's 'e'.
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    const char previous = token.text.back();
    const bool exponentSign = (c == '+' || c == '-') && (previous == 'e' || previous == 'E');
    if (!isIdentifierPart(static_cast<unsigned char>(c)) && c != '.' && !exponentSign) break;
    token.text.push_back(c);
    ++pos_;
  }
  return token;
}

Token Lexer::readString() {
  Token token;
  token.kind = TokenKind::String;
  token.line = line_;
  std::string error;
  for (;;) {
    if (!appendLiteral(token.string, error)) return makeError(token.line, std::move(error));
    // Adjacent literals join into one string, as in C.
    const std::size_t pos = pos_;
    const std::size_t line = line_;
    if (!skipSpaceAndComments(error) || pos_ == text_.size() || text_[pos_] != '"') {
      pos_ = pos;
      line_ = line;
      return token;
    }
  }
}

bool Lexer::appendLiteral(std::u16string& out, std::string& error) {
  ++pos_;  // the opening quote
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c == '"') {
      ++pos_;
      return true;
    }
    if (c == '\n') break;
    if (c == '\\') {
      if (!appendEscape(out, error)) return false;
      continue;
    }
    const std::optional<char32_t> codePoint = decodeUtf8(text_, pos_);
    if (!codePoint) {
      error = "string holds text that is not UTF-8";
      return false;
    }
    appendUtf16(out, *codePoint);
  }
  error = "string is not closed on its line";
  return false;
}

bool Lexer::appendEscape(std::u16string& out, std::string& error) {
  ++pos_;  // the backslash
  if (pos_ == text_.size()) {
    error = "string is not closed on its line";
    return false;
  }
  const char c = text_[pos_++];
  switch (c) {
    case 'b':
      out.push_back(u'\b');
      return true;
    case 't':
      out.push_back(u'\t');
      return true;
    case 'n':
      out.push_back(u'\n');
      return true;
    case 'f':
      out.push_back(u'\f');
      return true;
    case 'r':
      out.push_back(u'\r');
      return true;
    case '"':
    case '\'':
    case '\\':
      out.push_back(static_cast<char16_t>(c));
      return true;
    case 'x':
    case 'X': {
      // One to four hex digits: a UTF-16 code unit.
      unsigned unit = 0;
      std::size_t digits = 0;
      for (; digits < 4 && pos_ < text_.size(); ++digits, ++pos_) {
        const std::optional<unsigned> digit = hexDigit(text_[pos_]);
        if (!digit) break;
        unit = unit * 16 + *digit;
      }
      if (digits == 0) break;
      out.push_back(static_cast<char16_t>(unit));
      return true;
    }
    default:
      break;
  }
  error = "unknown escape in string";
  return false;
}

}  // namespace mofrepo::detail
