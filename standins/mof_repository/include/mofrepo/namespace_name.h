// Namespace names, such as \\.\root\cimv2, and which of them this repository serves.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mofrepo {

// A namespace name split into its optional server ("." for the local machine; empty when none was
// given) and its path. The path is lower-cased (ASCII letters) and always uses backslashes, so two
// names of one namespace compare equal.
struct NamespaceName {
  std::u16string server;
  std::u16string path;
};

// The only namespace served; WMI keeps the classes a module reads here.
constexpr std::u16string_view kServedNamespace = u"root\\cimv2";
// Where mofcomp puts classes that no namespace pragma precedes.
constexpr std::u16string_view kDefaultNamespace = u"root\\default";

// Reads "root\cimv2", "\\server\root\cimv2" or the same with forward slashes. Empty names, an
// empty server and empty path components are malformed.
std::optional<NamespaceName> parseNamespaceName(std::u16string_view text);

// True for ROOT\CIMV2 on the local machine: no server, or the server ".".
bool isServedNamespace(std::u16string_view text);

}  // namespace mofrepo
