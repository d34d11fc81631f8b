// Splits MOF text (UTF-8) into tokens, skipping white space and comments.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mofrepo::detail {

enum class TokenKind {
  End,
  Identifier,  // [A-Za-z_][A-Za-z0-9_]*
  Number,      // an optional sign, then digits, letters and dots; checked when it is used
  String,      // one or more adjacent "..." literals, joined and unescaped
  Punct,       // one of { } [ ] ( ) ; , = : #
  Error,       // `text` holds the message
};

struct Token {
  TokenKind kind = TokenKind::End;
  std::size_t line = 1;
  std::string text;       // identifier, number, punctuation character, or error message
  std::u16string string;  // String only
};

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  Token next();

 private:
  // False, with a message, for a comment that is not closed.
  bool skipSpaceAndComments(std::string& error);
  Token readNumber();
  Token readString();
  // Appends one literal from its opening quote; false, with a message, when it is malformed.
  bool appendLiteral(std::u16string& out, std::string& error);
  bool appendEscape(std::u16string& out, std::string& error);

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
};

}  // namespace mofrepo::detail
