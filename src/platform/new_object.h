// The module's own objects (the attribute list, its attributes, the requester) come from
// ordinary dynamic allocation, which may fail; a failure gives null, never an exception.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <utility>

#include "platform/fault_points.h"
#include "platform/live_counts.h"

namespace veltra::platform {

// Deletes a module object, and counts it gone for the tests' live counts.
struct ObjectDeleter {
  template <typename T>
  void operator()(T* object) const noexcept {
    countReleased(LiveResource::kModuleObject);
    delete object;
  }
};

template <typename T>
using ObjectPtr = std::unique_ptr<T, ObjectDeleter>;

template <typename T, typename... Args>
ObjectPtr<T> newObject(Args&&... args) noexcept {
  static_assert(noexcept(T(std::forward<Args>(args)...)),
                "module objects construct without throwing");
  std::int32_t ignored = 0;
  if (faultFires(FaultPoint::kObjectAlloc, ignored)) return nullptr;
  ObjectPtr<T> object(new (std::nothrow) T(std::forward<Args>(args)...));
  if (object) countAcquired(LiveResource::kModuleObject);
  return object;
}

}  // namespace veltra::platform
