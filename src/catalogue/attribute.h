// One node the module publishes: its key, its WMI property, its display name, its handle, its
// data type and whether the host has connected it.
#pragma once

#include <cstdint>

#include "platform/heap.h"
#include "support/trace.h"

namespace veltra::catalogue {

class Attribute {
 public:
  // Takes the next handle and loads the display name from the module's string table; with no
  // such string, the key serves as the display name.
  Attribute(const char* key, const char16_t* code, unsigned stringId) noexcept;
  ~Attribute();

  Attribute(const Attribute&) = delete;
  Attribute& operator=(const Attribute&) = delete;

  // Each traces its own name on entry. Inline: the list's walks call them once per slot.
  const char* GetKey() const noexcept {
    support::traceObject(this, "GetKey");
    return key_;
  }
  // Never null: the key stands in when the display name could not be allocated.
  const char* GetName() const noexcept {
    support::traceObject(this, "GetName");
    return name_ ? name_.get() : key_;
  }
  const char16_t* GetCode() const noexcept {
    support::traceObject(this, "GetCode");
    return code_;
  }
  std::int32_t GetHandle() const noexcept {
    support::traceObject(this, "GetHandle");
    return handle_;
  }
  std::uint8_t GetDataType() const noexcept {
    support::traceObject(this, "GetDataType");
    return dataType_;
  }

  void SetActive() noexcept {
    support::traceObject(this, "SetActive");
    active_ = 1;
  }
  void SetInactive() noexcept {
    support::traceObject(this, "SetInactive");
    active_ = 0;
  }
  std::int32_t IsActive() const noexcept {
    support::traceObject(this, "IsActive");
    return active_;
  }

 private:
  const char* key_;
  const char16_t* code_;
  platform::HeapPtr<char> name_;
  std::int32_t handle_;
  std::uint8_t dataType_;
  std::int32_t active_ = 0;
};

// Handles come from one counter for the life of the process, so a rebuilt list never reuses
// the handles of the list before it. The first handle is 100.
constexpr std::int32_t kFirstHandle = 100;

// For tests only: restarts the counter at kFirstHandle, as in a freshly loaded module.
void resetHandleCounterForTesting() noexcept;

}  // namespace veltra::catalogue
