#include "mofrepo/object_path.h"

#include "text.h"

namespace mofrepo {

namespace {

// Reads an identifier at text[pos]; empty when there is none.
std::string readIdentifier(std::u16string_view text, std::size_t& pos) {
  std::string name;
  if (pos < text.size() && detail::isIdentifierStart(text[pos])) {
    while (pos < text.size() && detail::isIdentifierPart(text[pos])) {
      name.push_back(static_cast<char>(text[pos++]));
    }
  }
  return name;
}

bool isIntegerText(std::u16string_view text) {
  if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) text.remove_prefix(1);
  if (text.empty()) return false;
  for (char16_t c : text) {
    if (!detail::isAsciiDigit(c)) return false;
  }
  return true;
}

// Reads a quoted value from its opening quote; false when it is not closed.
bool readQuoted(std::u16string_view text, std::size_t& pos, std::u16string& out) {
  for (++pos; pos < text.size(); ++pos) {
    char16_t c = text[pos];
    if (c == u'"') {
      ++pos;
      return true;
    }
    if (c == u'\\') {
      if (++pos == text.size()) return false;
      c = text[pos];
      if (c != u'"' && c != u'\\') return false;
    }
    out.push_back(c);
  }
  return false;
}

}  // namespace

std::optional<ObjectPath> parseObjectPath(std::u16string_view text) {
  ObjectPath path;
  // A colon ahead of any quoted value ends the namespace: class names and keys hold none.
  const std::size_t colon = text.substr(0, text.find(u'"')).find(u':');
  if (colon == 0) return std::nullopt;
  if (colon != std::u16string_view::npos) {
    path.nameSpace = std::u16string(text.substr(0, colon));
    text.remove_prefix(colon + 1);
  }

  std::size_t pos = 0;
  path.className = readIdentifier(text, pos);
  if (path.className.empty()) return std::nullopt;
  if (pos == text.size()) return path;

  if (text.substr(pos) == u"=@") {
    path.form = ObjectPath::Form::Singleton;
    return path;
  }
  if (text[pos] != u'.') return std::nullopt;
  ++pos;
  path.form = ObjectPath::Form::Keyed;
  path.keyName = readIdentifier(text, pos);
  if (path.keyName.empty() || pos == text.size() || text[pos] != u'=') return std::nullopt;
  ++pos;
  if (pos < text.size() && text[pos] == u'"') {
    path.keyQuoted = true;
    if (!readQuoted(text, pos, path.keyValue) || pos != text.size()) return std::nullopt;
    return path;
  }
  path.keyValue = std::u16string(text.substr(pos));
  if (!isIntegerText(path.keyValue)) return std::nullopt;
  return path;
}

}  // namespace mofrepo
