// Reads MOF text into a Repository; see mofrepo/load.h for the language accepted.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "lexer.h"
#include "mofrepo/load.h"

namespace mofrepo::detail {

// One pass over one text. Every step answers false once the text is rejected; the first fault's
// message is kept. Nothing recurses, so deep nesting in hostile text cannot exhaust the stack.
class RepositoryParser {
 public:
  RepositoryParser(std::string_view text, std::string_view sourceName);

  LoadResult run();

 private:
  bool parsePragma();
  bool parseQualifiers(bool& isKey);
  bool parseClass();
  bool parseInstance();
  bool parseValue(const Property& property, Value& value);
  bool parseElement(const Property& property, Element& element);

  void advance();
  bool isPunct(char c) const;
  bool isKeyword(std::string_view word) const;
  bool expectPunct(char c, const char* context);
  bool expectIdentifier(const char* what, Token& out);
  bool fail(std::size_t line, const std::string& message);
  std::string unexpected(const char* wanted) const;

  Lexer lexer_;
  Token current_;
  std::string sourceName_;
  std::string error_;
  std::u16string nameSpace_;
  Repository repository_;
};

}  // namespace mofrepo::detail
