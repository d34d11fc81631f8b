#include "mofrepo/repository.h"

#include <charconv>

#include "mofrepo/namespace_name.h"
#include "mofrepo/object_path.h"
#include "text.h"

namespace mofrepo {

Class::Class(std::string name, std::u16string nameSpace)
    : name_(std::move(name)), nameSpace_(std::move(nameSpace)) {}

std::optional<std::size_t> Class::keyIndex() const {
  for (std::size_t i = 0; i < properties_.size(); ++i) {
    if (properties_[i].isKey) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> Class::findProperty(std::string_view name) const {
  const auto found = index_.find(detail::lowerAscii(name));
  if (found == index_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::size_t> Class::findProperty(std::u16string_view name) const {
  const std::optional<std::string> ascii = detail::lowerAsciiName(name);
  if (!ascii) return std::nullopt;
  return findProperty(*ascii);
}

bool Class::addProperty(Property property) {
  if (!index_.emplace(detail::lowerAscii(property.name), properties_.size()).second) return false;
  properties_.push_back(std::move(property));
  return true;
}

Object::Object(std::shared_ptr<const Class> objectClass, std::vector<Value> values)
    : class_(std::move(objectClass)), values_(std::move(values)) {}

PropertyResult Object::property(std::u16string_view name) const {
  PropertyResult result;
  const std::optional<std::size_t> index = class_->findProperty(name);
  if (!index) return result;
  result.code = hresult::kOk;
  result.value = values_[*index];
  return result;
}

namespace {

// The key of the instance that `path` names, for a key property of type `type`; `code` tells
// when the path cannot name one.
struct WantedKey {
  HResult code = hresult::kOk;
  std::variant<std::int64_t, std::u16string> key;
};

WantedKey wantedKey(const ObjectPath& path, CimType type) {
  WantedKey wanted;
  if (type == CimType::String) {
    wanted.key = path.keyValue;
    return wanted;
  }
  // An integer key may be written quoted too, as WMI accepts; it is compared by value.
  const std::optional<std::string> digits = detail::lowerAsciiName(path.keyValue);
  const char* first = digits ? digits->data() : nullptr;
  const char* last = digits ? first + digits->size() : nullptr;
  const bool plus = first != last && *first == '+';  // from_chars takes only a minus sign
  if (plus) ++first;
  std::int64_t number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (first == last || (plus && *first == '-') || end != last) {
    wanted.code = hresult::kInvalidObjectPath;
  } else if (error == std::errc::result_out_of_range) {
    wanted.code = hresult::kNotFound;  // well formed, but no instance can have it
  } else {
    wanted.key = number;
  }
  return wanted;
}

}  // namespace

ObjectResult Repository::getObject(std::u16string_view nameSpace,
                                   std::u16string_view pathText) const {
  ObjectResult result;
  if (!isServedNamespace(nameSpace)) {
    result.code = hresult::kInvalidNamespace;
    return result;
  }
  const std::optional<ObjectPath> path = parseObjectPath(pathText);
  if (!path) {
    result.code = hresult::kInvalidObjectPath;
    return result;
  }
  if (path->nameSpace && !isServedNamespace(*path->nameSpace)) {
    result.code = hresult::kInvalidNamespace;
    return result;
  }
  const ClassEntry* entry = findEntry(kServedNamespace, path->className);
  if (entry == nullptr) {
    result.code = hresult::kInvalidClass;
    return result;
  }
  const Class& declaration = *entry->declaration;

  switch (path->form) {
    case ObjectPath::Form::Class:
      result.code = hresult::kOk;
      result.object.emplace(entry->declaration, nullValues(declaration));
      return result;
    case ObjectPath::Form::Singleton:
      result.code = hresult::kNotFound;  // every class here is keyed
      return result;
    case ObjectPath::Form::Keyed:
      break;
  }

  const std::optional<std::size_t> key = declaration.keyIndex();
  if (!key || !detail::equalsIgnoreCase(declaration.properties()[*key].name, path->keyName)) {
    result.code = hresult::kInvalidObjectPath;
    return result;
  }
  const WantedKey wanted = wantedKey(*path, declaration.properties()[*key].type);
  if (wanted.code != hresult::kOk) {
    result.code = wanted.code;
    return result;
  }
  const auto found = entry->byKey.find(wanted.key);
  if (found == entry->byKey.end()) {
    result.code = hresult::kNotFound;
    return result;
  }
  std::vector<Value> values = nullValues(declaration);
  for (const auto& given : entry->instances[found->second])
    values[given.first] = given.second;
  result.code = hresult::kOk;
  result.object.emplace(entry->declaration, std::move(values));
  return result;
}

std::vector<Value> Repository::nullValues(const Class& declaration) {
  std::vector<Value> values(declaration.properties().size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i].type = declaration.properties()[i].type;
    values[i].isArray = declaration.properties()[i].isArray;
  }
  return values;
}

const Class* Repository::findClass(std::u16string_view nameSpace, std::string_view name) const {
  const ClassEntry* entry = findEntry(nameSpace, name);
  return entry == nullptr ? nullptr : entry->declaration.get();
}

std::vector<const Class*> Repository::classes(std::u16string_view nameSpace) const {
  std::vector<const Class*> found;
  for (const auto& entry : classes_) {
    if (entry.first.first == nameSpace) found.push_back(entry.second.declaration.get());
  }
  return found;
}

std::size_t Repository::instanceCount() const {
  std::size_t count = 0;
  for (const auto& entry : classes_)
    count += entry.second.instances.size();
  return count;
}

Repository::ClassEntry* Repository::findEntry(std::u16string_view nameSpace,
                                              std::string_view name) {
  const auto found = classes_.find({std::u16string(nameSpace), detail::lowerAscii(name)});
  return found == classes_.end() ? nullptr : &found->second;
}

const Repository::ClassEntry* Repository::findEntry(std::u16string_view nameSpace,
                                                    std::string_view name) const {
  const auto found = classes_.find({std::u16string(nameSpace), detail::lowerAscii(name)});
  return found == classes_.end() ? nullptr : &found->second;
}

}  // namespace mofrepo
