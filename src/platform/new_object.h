// The module's own objects (the attribute list, its attributes, the requester) come from
// ordinary dynamic allocation, which may fail; a failure gives null, never an exception.
#pragma once

#include <cstdint>
#include <memory>
#include <new>
#include <utility>

#include "platform/fault_points.h"

namespace veltra::platform {

template <typename T, typename... Args>
std::unique_ptr<T> newObject(Args&&... args) noexcept {
  static_assert(noexcept(T(std::forward<Args>(args)...)),
                "module objects construct without throwing");
  std::int32_t ignored = 0;
  if (faultFires(FaultPoint::kObjectAlloc, ignored)) return nullptr;
  return std::unique_ptr<T>(new (std::nothrow) T(std::forward<Args>(args)...));
}

}  // namespace veltra::platform
