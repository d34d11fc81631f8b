// The twelve attributes in catalogue order, and every question the entry points ask of them.
//
// A slot is null only when its attribute could not be allocated; every walk over the slots skips
// such a slot. No locking of its own: every operation runs under the module's data lock.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "catalogue/attribute.h"
#include "catalogue/catalogue_table.h"
#include "platform/heap.h"
#include "platform/new_object.h"

namespace veltra::catalogue {

class AttributeList {
 public:
  AttributeList() noexcept;
  ~AttributeList();

  AttributeList(const AttributeList&) = delete;
  AttributeList& operator=(const AttributeList&) = delete;

  // By handle. -1 names no attribute.
  std::int32_t getAttrIndex(std::int32_t handle) const noexcept;
  std::int32_t Activate(std::int32_t handle) noexcept;  // 1 if an attribute was activated
  void Deactivate(std::int32_t handle) noexcept;
  std::int32_t IsActivated(std::int32_t handle) const noexcept;
  const char16_t* GetPropertyName(std::int32_t handle) const noexcept;  // null: no attribute
  std::uint8_t GetDataType(std::int32_t handle) const noexcept;         // 0: no attribute

  // Drops the root node id taken from a path.
  void clear() noexcept;

  // By QueryPath (null accepted everywhere).
  void SetRoot(const unsigned char* path) noexcept;
  std::int32_t findAttrIndex(const unsigned char* path) const noexcept;
  std::int32_t GetHandle(const unsigned char* path) const noexcept;

  // Host records, allocated from the process heap for the host to free. Null on failure.
  unsigned char* BuildNodeList() const noexcept;
  unsigned char* GetMetaData(std::int32_t handle) const noexcept;

  // The attribute in `slot`, or null for an empty slot. For tests and the record builders.
  const Attribute* slot(std::size_t index) const noexcept { return slots_[index].get(); }

 private:
  Attribute* attributeFor(std::int32_t handle) const noexcept;

  std::array<platform::ObjectPtr<Attribute>, kNodeCount> slots_;
  platform::HeapPtr<char> theRootNodeId_;
  std::uint32_t rootIdLength_ = 0;
};

}  // namespace veltra::catalogue
