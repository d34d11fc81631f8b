// The host's text library on POSIX: the stand-in KALDOR32 shared library.
#include "platform/host_text.h"

#include "kaldor32.h"
#include "platform/fault_points.h"

namespace veltra::platform {
namespace {

// A test may make the library measure a length of its choosing.
bool injectedLength(const void* destination, std::uint32_t& length) noexcept {
  if (destination != nullptr) return false;
  std::int32_t injected = 0;
  if (!faultFires(FaultPoint::kHostTextLength, injected)) return false;
  length = static_cast<std::uint32_t>(injected);
  return true;
}

}  // namespace

std::uint32_t toLocalText(const void* hostText, char* destination, std::uint32_t capacity,
                          std::int32_t selector, std::int32_t flag) noexcept {
  std::uint32_t length = 0;
  if (injectedLength(destination, length)) return length;
  return ::toLocalText(hostText, destination, capacity, selector, flag);
}

std::uint32_t toHostText(const char* moduleText, void* destination, std::uint32_t capacity,
                         std::int32_t selector, std::int32_t flag) noexcept {
  std::uint32_t length = 0;
  if (injectedLength(destination, length)) return length;
  return ::toHostText(moduleText, destination, capacity, selector, flag);
}

}  // namespace veltra::platform
