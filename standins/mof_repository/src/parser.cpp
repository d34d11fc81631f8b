#include "parser.h"

#include <optional>
#include <vector>

#include "mofrepo/namespace_name.h"
#include "number.h"
#include "text.h"

namespace mofrepo::detail {

namespace {

std::optional<CimType> typeFromName(std::string_view name) {
  static constexpr struct {
    std::string_view name;
    CimType type;
  } kTypes[] = {
      {"sint8", CimType::Sint8},     {"uint8", CimType::Uint8},   {"sint16", CimType::Sint16},
      {"uint16", CimType::Uint16},   {"sint32", CimType::Sint32}, {"uint32", CimType::Uint32},
      {"real32", CimType::Real32},   {"real64", CimType::Real64}, {"string", CimType::String},
      {"boolean", CimType::Boolean},
  };
  for (const auto& entry : kTypes) {
    if (equalsIgnoreCase(entry.name, name)) return entry.type;
  }
  return std::nullopt;
}

std::string quoted(std::string_view name) {
  return "'" + printable(name) + "'";
}

}  // namespace

RepositoryParser::RepositoryParser(std::string_view text, std::string_view sourceName)
    : lexer_(text), sourceName_(sourceName), nameSpace_(kDefaultNamespace) {
  advance();
}

LoadResult RepositoryParser::run() {
  while (error_.empty() && current_.kind != TokenKind::End) {
    if (isPunct('#')) {
      parsePragma();
      continue;
    }
    bool unusedKey = false;  // qualifiers of a class or an instance change nothing here
    if (isPunct('[') && !parseQualifiers(unusedKey)) break;
    if (isKeyword("class")) {
      parseClass();
    } else if (isKeyword("instance")) {
      parseInstance();
    } else {
      fail(current_.line, unexpected("'class', 'instance' or '#pragma'"));
    }
  }
  LoadResult result;
  result.ok = error_.empty();
  if (result.ok) {
    result.repository = std::move(repository_);
  } else {
    result.error = error_;
  }
  return result;
}

// #pragma namespace("\\\\.\\root\\cimv2") sets where the following classes and instances go.
// Pragmas that only steer how mofcomp updates an existing repository (classflags, instanceflags,
// autorecover, locale, amendment) are ignored: this repository is built afresh from one file.
// Those that would change its content (include, deleteclass) and unknown ones are refused.
bool RepositoryParser::parsePragma() {
  const std::size_t line = current_.line;
  advance();
  if (!isKeyword("pragma")) return fail(line, unexpected("'pragma' after '#'"));
  advance();
  Token name;
  if (!expectIdentifier("pragma name", name)) return false;

  std::vector<Token> arguments;
  if (isPunct('(')) {
    do {
      advance();
      if (current_.kind != TokenKind::String && current_.kind != TokenKind::Number &&
          current_.kind != TokenKind::Identifier) {
        return fail(current_.line, unexpected("pragma argument"));
      }
      arguments.push_back(current_);
      advance();
    } while (isPunct(','));
    if (!expectPunct(')', "after pragma arguments")) return false;
  }

  const std::string pragma = lowerAscii(name.text);
  if (pragma == "namespace") {
    if (arguments.size() != 1 || arguments[0].kind != TokenKind::String) {
      return fail(line, "#pragma namespace takes one string");
    }
    const std::optional<NamespaceName> nameSpace = parseNamespaceName(arguments[0].string);
    if (!nameSpace) return fail(line, "invalid namespace '" + printable(arguments[0].string) + "'");
    nameSpace_ = nameSpace->path;
    return true;
  }
  if (pragma == "classflags" || pragma == "instanceflags" || pragma == "autorecover" ||
      pragma == "locale" || pragma == "amendment") {
    return true;
  }
  if (pragma == "include" || pragma == "deleteclass") {
    return fail(line, "#pragma " + pragma + " is not supported");
  }
  return fail(line, "unknown #pragma " + quoted(name.text));
}

// [key, read, Description("...") : ToSubclass, ValueMap {"1", "2"}]. Only key matters; key(false)
// is no key.
bool RepositoryParser::parseQualifiers(bool& isKey) {
  do {
    advance();  // '[' or ','
    Token name;
    if (!expectIdentifier("qualifier name", name)) return false;
    const bool key = equalsIgnoreCase(name.text, "key");
    bool value = true;
    if (isPunct('(') || isPunct('{')) {
      const char close = isPunct('(') ? ')' : '}';
      do {
        advance();
        if (key && current_.kind == TokenKind::Identifier) value = !isKeyword("false");
        if (current_.kind != TokenKind::String && current_.kind != TokenKind::Number &&
            current_.kind != TokenKind::Identifier) {
          return fail(current_.line, unexpected("qualifier value"));
        }
        advance();
      } while (isPunct(','));
      if (!expectPunct(close, "after qualifier value")) return false;
    }
    if (isPunct(':')) {  // flavors: ToSubclass, Amended, ...
      advance();
      Token flavor;
      if (!expectIdentifier("qualifier flavor", flavor)) return false;
      while (current_.kind == TokenKind::Identifier)
        advance();
    }
    if (key) isKey = value;
  } while (isPunct(','));
  return expectPunct(']', "after qualifiers");
}

bool RepositoryParser::parseClass() {
  advance();  // 'class'
  Token name;
  if (!expectIdentifier("class name", name)) return false;
  if (repository_.findEntry(nameSpace_, name.text) != nullptr) {
    return fail(name.line, "class " + quoted(name.text) + " is declared twice");
  }
  if (isPunct(':')) {
    return fail(name.line, "class " + quoted(name.text) + ": superclasses are not supported");
  }
  if (!expectPunct('{', "after class name")) return false;

  auto declaration = std::make_shared<Class>(name.text, nameSpace_);
  while (!isPunct('}')) {
    Property property;
    if (isPunct('[') && !parseQualifiers(property.isKey)) return false;
    Token type;
    if (!expectIdentifier("property type", type)) return false;
    const std::optional<CimType> cimType = typeFromName(type.text);
    if (!cimType) return fail(type.line, "unsupported type " + quoted(type.text));
    property.type = *cimType;
    Token propertyName;
    if (!expectIdentifier("property name", propertyName)) return false;
    property.name = propertyName.text;
    const std::string what = "property " + quoted(property.name);
    if (isPunct('[')) {
      advance();
      if (!isPunct(']'))
        return fail(current_.line, what + ": only arrays without a size are supported");
      advance();
      property.isArray = true;
    }
    if (isPunct('(')) return fail(current_.line, what + ": methods are not supported");
    if (isPunct('=')) return fail(current_.line, what + ": default values are not supported");
    if (!expectPunct(';', "after property")) return false;
    if (property.isKey) {
      if (property.isArray || !(isIntegerType(property.type) || property.type == CimType::String)) {
        return fail(propertyName.line, "key " + what + " must be an integer or a string");
      }
      if (declaration->keyIndex()) {
        return fail(propertyName.line,
                    "class " + quoted(name.text) + " has more than one key (not supported)");
      }
    }
    if (!declaration->addProperty(std::move(property))) {
      return fail(propertyName.line, what + " is declared twice");
    }
  }
  advance();  // '}'
  if (!expectPunct(';', "after class")) return false;

  Repository::ClassEntry& entry =
      repository_.classes_[{nameSpace_, lowerAscii(declaration->name())}];
  entry.declaration = std::move(declaration);
  return true;
}

bool RepositoryParser::parseInstance() {
  const std::size_t line = current_.line;
  advance();  // 'instance'
  if (!isKeyword("of")) return fail(current_.line, unexpected("'of' after 'instance'"));
  advance();
  Token name;
  if (!expectIdentifier("class name", name)) return false;
  Repository::ClassEntry* entry = repository_.findEntry(nameSpace_, name.text);
  if (entry == nullptr) return fail(name.line, "unknown class " + quoted(name.text));
  const Class& declaration = *entry->declaration;
  if (isKeyword("as")) return fail(current_.line, "instance aliases are not supported");
  if (!expectPunct('{', "after class name")) return false;

  Repository::InstanceValues values;
  while (!isPunct('}')) {
    bool unusedKey = false;
    if (isPunct('[') && !parseQualifiers(unusedKey)) return false;
    Token propertyName;
    if (!expectIdentifier("property name", propertyName)) return false;
    const std::optional<std::size_t> index = declaration.findProperty(propertyName.text);
    if (!index) {
      return fail(propertyName.line, "class " + quoted(declaration.name()) + " has no property " +
                                         quoted(propertyName.text));
    }
    if (values.count(*index) != 0) {
      return fail(propertyName.line, "property " + quoted(propertyName.text) + " is given twice");
    }
    if (!expectPunct('=', "after property name")) return false;
    const Property& property = declaration.properties()[*index];
    Value value;
    value.type = property.type;
    value.isArray = property.isArray;
    if (!parseValue(property, value)) return false;
    if (!expectPunct(';', "after value")) return false;
    values.emplace(*index, std::move(value));
  }
  advance();  // '}'
  if (!expectPunct(';', "after instance")) return false;

  const std::optional<std::size_t> key = declaration.keyIndex();
  if (!key) {
    return fail(line, "class " + quoted(declaration.name()) +
                          " has no key property, so its instances cannot be named");
  }
  const auto keyValue = values.find(*key);
  if (keyValue == values.end() || keyValue->second.isNull) {
    return fail(line, "instance of " + quoted(declaration.name()) + " has no value for key " +
                          quoted(declaration.properties()[*key].name));
  }
  const Element& keyElement = keyValue->second.scalar;
  const Repository::InstanceKey instanceKey = declaration.properties()[*key].type == CimType::String
                                                  ? Repository::InstanceKey(keyElement.text)
                                                  : Repository::InstanceKey(keyElement.integer);
  // A later instance with the same key replaces the earlier one, as mofcomp updates it.
  const auto [slot, added] = entry->byKey.emplace(instanceKey, entry->instances.size());
  if (added) {
    entry->instances.push_back(std::move(values));
  } else {
    entry->instances[slot->second] = std::move(values);
  }
  return true;
}

bool RepositoryParser::parseValue(const Property& property, Value& value) {
  if (isKeyword("null")) {
    advance();
    return true;  // value stays null
  }
  const std::string what = "property " + quoted(property.name);
  if (!property.isArray) {
    if (isPunct('{')) return fail(current_.line, what + " is not an array");
    value.isNull = false;
    return parseElement(property, value.scalar);
  }
  if (!isPunct('{')) return fail(current_.line, what + " is an array: expected '{'");
  advance();
  value.isNull = false;
  if (isPunct('}')) {
    advance();
    return true;
  }
  for (;;) {
    Element element;
    if (!parseElement(property, element)) return false;
    value.elements.push_back(std::move(element));
    if (isPunct('}')) {
      advance();
      return true;
    }
    if (!expectPunct(',', "between array elements")) return false;
  }
}

bool RepositoryParser::parseElement(const Property& property, Element& element) {
  const Token& token = current_;
  const std::string what = "property " + quoted(property.name);
  if (property.type == CimType::String && token.kind == TokenKind::String) {
    element.text = token.string;
  } else if (property.type == CimType::Boolean && (isKeyword("true") || isKeyword("false"))) {
    element.boolean = isKeyword("true");
  } else if ((isIntegerType(property.type) || isRealType(property.type)) &&
             token.kind == TokenKind::Number) {
    const std::string problem = convertNumber(token.text, property.type, element);
    if (!problem.empty()) return fail(token.line, what + ": " + problem);
  } else {
    return fail(token.line, what + " of type " + cimTypeName(property.type) + ": " +
                                unexpected("a value of that type"));
  }
  advance();
  return true;
}

void RepositoryParser::advance() {
  current_ = lexer_.next();
  if (current_.kind == TokenKind::Error) {
    fail(current_.line, current_.text);
    current_.kind = TokenKind::End;  // stops every loop; the message above is the one kept
  }
}

bool RepositoryParser::isPunct(char c) const {
  return current_.kind == TokenKind::Punct && current_.text[0] == c;
}

bool RepositoryParser::isKeyword(std::string_view word) const {
  return current_.kind == TokenKind::Identifier && equalsIgnoreCase(current_.text, word);
}

bool RepositoryParser::expectPunct(char c, const char* context) {
  if (isPunct(c)) {
    advance();
    return error_.empty();
  }
  const std::string wanted = std::string("'") + c + "' " + context;
  return fail(current_.line, unexpected(wanted.c_str()));
}

bool RepositoryParser::expectIdentifier(const char* what, Token& out) {
  if (current_.kind != TokenKind::Identifier) return fail(current_.line, unexpected(what));
  out = current_;
  advance();
  return error_.empty();
}

bool RepositoryParser::fail(std::size_t line, const std::string& message) {
  if (error_.empty()) error_ = sourceName_ + ":" + std::to_string(line) + ": " + message;
  return false;
}

std::string RepositoryParser::unexpected(const char* wanted) const {
  std::string found;
  switch (current_.kind) {
    case TokenKind::End:
    case TokenKind::Error:
      found = "the end of the file";
      break;
    case TokenKind::String:
      found = "a string";
      break;
    case TokenKind::Identifier:
    case TokenKind::Number:
    case TokenKind::Punct:
      found = quoted(current_.text);
      break;
  }
  return std::string("expected ") + wanted + ", found " + found;
}

}  // namespace mofrepo::detail
