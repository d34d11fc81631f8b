#include "mofrepo/namespace_name.h"

#include "text.h"

namespace mofrepo {

std::optional<NamespaceName> parseNamespaceName(std::u16string_view text) {
  std::u16string normal;
  normal.reserve(text.size());
  for (char16_t c : text)
    normal.push_back(c == u'/' ? u'\\' : detail::lowerAscii(c));

  NamespaceName name;
  std::u16string_view rest = normal;
  if (rest.substr(0, 2) == u"\\\\") {
    rest.remove_prefix(2);
    const std::size_t end = rest.find(u'\\');
    if (end == 0 || end == std::u16string_view::npos) return std::nullopt;
    name.server = std::u16string(rest.substr(0, end));
    rest.remove_prefix(end + 1);
  }
  if (rest.empty() || rest.front() == u'\\' || rest.back() == u'\\' ||
      rest.find(u"\\\\") != std::u16string_view::npos) {
    return std::nullopt;
  }
  name.path = std::u16string(rest);
  return name;
}

bool isServedNamespace(std::u16string_view text) {
  const std::optional<NamespaceName> name = parseNamespaceName(text);
  return name && (name->server.empty() || name->server == u".") && name->path == kServedNamespace;
}

}  // namespace mofrepo
