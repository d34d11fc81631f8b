#include "catalogue/attribute_list.h"

#include "platform/new_object.h"
#include "support/trace.h"

namespace veltra::catalogue {

using support::trace;
using support::traceFormat;

AttributeList::AttributeList() noexcept {
  trace("Constructor");
  for (std::size_t i = 0; i < kNodeCount; ++i) {
    const CatalogueRow& row = kCatalogue[i];
    slots_[i] = platform::newObject<Attribute>(row.key, row.code, row.stringId);
  }
}

AttributeList::~AttributeList() {
  trace("Destructor IN");
  for (platform::ObjectPtr<Attribute>& attribute : slots_)
    attribute.reset();
  clear();
  trace("Destructor OUT");
}

std::int32_t AttributeList::getAttrIndex(std::int32_t handle) const noexcept {
  traceFormat("getAttrIndex %ld", handle);
  if (handle == -1) return -1;
  for (std::size_t i = 0; i < kNodeCount; ++i) {
    if (slots_[i] && slots_[i]->GetHandle() == handle) return static_cast<std::int32_t>(i);
  }
  return -1;
}

Attribute* AttributeList::attributeFor(std::int32_t handle) const noexcept {
  const std::int32_t index = getAttrIndex(handle);
  return index == -1 ? nullptr : slots_[static_cast<std::size_t>(index)].get();
}

std::int32_t AttributeList::Activate(std::int32_t handle) noexcept {
  traceFormat("Activate %ld", handle);
  Attribute* attribute = attributeFor(handle);
  if (attribute == nullptr) return 0;
  attribute->SetActive();
  return 1;
}

void AttributeList::Deactivate(std::int32_t handle) noexcept {
  traceFormat("Deactivate %ld", handle);
  if (Attribute* attribute = attributeFor(handle)) attribute->SetInactive();
}

std::int32_t AttributeList::IsActivated(std::int32_t handle) const noexcept {
  traceFormat("IsActivated %ld", handle);
  const Attribute* attribute = attributeFor(handle);
  return attribute == nullptr ? 0 : attribute->IsActive();
}

const char16_t* AttributeList::GetPropertyName(std::int32_t handle) const noexcept {
  traceFormat("GetPropertyName %ld", handle);
  const Attribute* attribute = attributeFor(handle);
  return attribute == nullptr ? nullptr : attribute->GetCode();
}

std::uint8_t AttributeList::GetDataType(std::int32_t handle) const noexcept {
  traceFormat("GetDataType %ld", handle);
  const Attribute* attribute = attributeFor(handle);
  return attribute == nullptr ? 0 : attribute->GetDataType();
}

void AttributeList::clear() noexcept {
  trace("clear ");
  if (!theRootNodeId_) return;
  trace("clear:HeapFree theRootNodeId");
  traceFormat("clear:theRootNodeId=%s", theRootNodeId_.get());
  theRootNodeId_.reset();
  rootIdLength_ = 0;
  trace("clear=theRootNodeId HeapFree()d");
}

}  // namespace veltra::catalogue
