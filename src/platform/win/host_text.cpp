// The host's text library on Windows: KALDOR32.dll, imported by ordinal only (5 and 8).
#include "platform/host_text.h"

#include "kaldor32.h"

namespace veltra::platform {

std::uint32_t toLocalText(const void* hostText, char* destination, std::uint32_t capacity,
                          std::int32_t selector, std::int32_t flag) noexcept {
  return ::toLocalText(hostText, destination, capacity, selector, flag);
}

std::uint32_t toHostText(const char* moduleText, void* destination, std::uint32_t capacity,
                         std::int32_t selector, std::int32_t flag) noexcept {
  return ::toHostText(moduleText, destination, capacity, selector, flag);
}

}  // namespace veltra::platform
