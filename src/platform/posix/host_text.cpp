// The host's text library on POSIX: the stand-in KALDOR32 shared library.
#include "platform/host_text.h"

#include "kaldor32.h"
#include "platform/fault_points.h"

namespace veltra::platform {
namespace {

// The length a test makes the library measure instead, or -1 when it makes none. Out of line, so
// that a call straight to the library carries nothing of it.
[[gnu::noinline]] std::int64_t injectedLength() noexcept {
  std::int32_t injected = 0;
  if (!faultFires(FaultPoint::kHostTextLength, injected)) return -1;
  return static_cast<std::uint32_t>(injected);
}

}  // namespace

std::uint32_t toLocalText(const void* hostText, char* destination, std::uint32_t capacity,
                          std::int32_t selector, std::int32_t flag) noexcept {
  if (destination == nullptr && faultPointsInUse()) {
    if (const std::int64_t injected = injectedLength(); injected >= 0) {
      return static_cast<std::uint32_t>(injected);
    }
  }
  return ::toLocalText(hostText, destination, capacity, selector, flag);
}

std::uint32_t toHostText(const char* moduleText, void* destination, std::uint32_t capacity,
                         std::int32_t selector, std::int32_t flag) noexcept {
  if (destination == nullptr && faultPointsInUse()) {
    if (const std::int64_t injected = injectedLength(); injected >= 0) {
      return static_cast<std::uint32_t>(injected);
    }
  }
  return ::toHostText(moduleText, destination, capacity, selector, flag);
}

}  // namespace veltra::platform
