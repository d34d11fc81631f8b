// The classes and instances read from a MOF file, and the lookups a WMI service answers from them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "mofrepo/hresult.h"
#include "mofrepo/value.h"

namespace mofrepo {

namespace detail {
class RepositoryParser;
}

struct Property {
  std::string name;  // as declared
  CimType type = CimType::Sint32;
  bool isArray = false;
  bool isKey = false;
};

// One class declaration. Property names are matched without regard to case, as WMI does.
class Class {
 public:
  Class(std::string name, std::u16string nameSpace);

  const std::string& name() const { return name_; }
  const std::u16string& nameSpace() const { return nameSpace_; }  // canonical, e.g. root\cimv2
  const std::vector<Property>& properties() const { return properties_; }
  std::optional<std::size_t> keyIndex() const;  // the first property marked [key]
  std::optional<std::size_t> findProperty(std::string_view name) const;
  std::optional<std::size_t> findProperty(std::u16string_view name) const;

  // False when the class already declares a property of that name.
  bool addProperty(Property property);

 private:
  std::string name_;
  std::u16string nameSpace_;
  std::vector<Property> properties_;
  std::map<std::string, std::size_t> index_;  // lower-cased name -> position
};

struct PropertyResult {
  HResult code = hresult::kNotFound;
  Value value;  // when code is kOk
};

// A copy of one instance, or of a class (every property null), that stays valid after the
// repository it came from is gone. Values are in the order of the class's properties.
class Object {
 public:
  Object(std::shared_ptr<const Class> objectClass, std::vector<Value> values);

  const Class& objectClass() const { return *class_; }
  const std::vector<Value>& values() const { return values_; }
  // kNotFound for a property the class does not declare.
  PropertyResult property(std::u16string_view name) const;

 private:
  std::shared_ptr<const Class> class_;
  std::vector<Value> values_;
};

struct ObjectResult {
  HResult code = hresult::kNotFound;
  std::optional<Object> object;  // when code is kOk
};

class Repository {
 public:
  // Looks `path` up in namespace `nameSpace`, as IWbemServices::GetObject does:
  //   kInvalidNamespace  the namespace (or the path's own namespace prefix) is not ROOT\CIMV2
  //   kInvalidObjectPath the path is malformed, or names a key the class does not have
  //   kInvalidClass      no such class in ROOT\CIMV2
  //   kNotFound          no instance with that key
  // A path of a class alone gives the class, with every property null.
  ObjectResult getObject(std::u16string_view nameSpace, std::u16string_view path) const;

  // Class `name` in namespace `nameSpace` (canonical form, e.g. u"root\\cimv2"), or null.
  const Class* findClass(std::u16string_view nameSpace, std::string_view name) const;
  // The classes of namespace `nameSpace` (canonical form), ordered by lower-cased name.
  std::vector<const Class*> classes(std::u16string_view nameSpace) const;
  std::size_t classCount() const { return classes_.size(); }  // in every namespace
  std::size_t instanceCount() const;
  bool empty() const { return classes_.empty(); }

 private:
  friend class detail::RepositoryParser;

  using InstanceKey = std::variant<std::int64_t, std::u16string>;
  // The values an instance was given, by property position; the others are null. Keeping only
  // those keeps the memory in proportion to the text however many properties a class declares.
  using InstanceValues = std::map<std::size_t, Value>;
  struct ClassEntry {
    std::shared_ptr<Class> declaration;
    std::vector<InstanceValues> instances;
    std::map<InstanceKey, std::size_t> byKey;
  };
  static std::vector<Value> nullValues(const Class& declaration);

  ClassEntry* findEntry(std::u16string_view nameSpace, std::string_view name);
  const ClassEntry* findEntry(std::u16string_view nameSpace, std::string_view name) const;

  // Keyed by canonical namespace and lower-cased class name.
  std::map<std::pair<std::u16string, std::string>, ClassEntry> classes_;
};

}  // namespace mofrepo
