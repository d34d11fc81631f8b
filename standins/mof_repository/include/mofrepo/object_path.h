// Object paths as GetObject takes them: CLASS, CLASS.KEY=VALUE or CLASS=@, optionally preceded
// by a namespace and a colon (\\.\root\cimv2:CLASS.KEY=VALUE).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mofrepo {

struct ObjectPath {
  enum class Form { Class, Keyed, Singleton };

  std::optional<std::u16string> nameSpace;  // as written before the colon
  std::string className;                    // as written (ASCII identifier)
  Form form = Form::Class;
  std::string keyName;      // Keyed only
  std::u16string keyValue;  // Keyed only: the unescaped text of the value
  bool keyQuoted = false;   // Keyed only: whether the value was a quoted string
};

// Splits a path into its parts; nothing when it is malformed. A quoted value may escape a quote
// or a backslash with a backslash; an unquoted value is an integer ([+-]digits).
std::optional<ObjectPath> parseObjectPath(std::u16string_view text);

}  // namespace mofrepo
