// Fault points: every platform call that can fail can be made to fail on purpose, so tests can
// walk each failure path in turn (fail the n-th call, then every n until the work completes
// without reaching it).
//
// The platform sides count each call here and ask whether it must fail. This is a test-only
// interface: it is never exported from the module. Counting starts with the first armFault or
// disarmFaults; until then (and so always in the shipped module, where nothing can reach them) a
// call costs one relaxed load and a branch, inline where it stands.
#pragma once

#include <atomic>
#include <cstdint>

namespace veltra::platform {

enum class FaultPoint : unsigned {
  kMutexCreate,
  kMutexWait,
  kHeapAlloc,
  kObjectAlloc,    // the module's own objects (attribute list, attributes, requester)
  kModuleStrings,  // finding the module's string table
  kComInitialize,
  kProcessSecurity,
  kComString,
  kCreateLocator,
  kConnectServer,
  kSetProxyBlanket,
  kGetObject,
  kGetProperty,
  kHostTextLength,  // replaces the length the host text library reports
  kCount,
};

const char* faultPointName(FaultPoint point) noexcept;

// From the next call on, call number `nth` (1-based) through `point` answers `result` instead of
// doing its work; with `persistent`, so does every call after it. Resets the point's call count.
void armFault(FaultPoint point, unsigned nth, std::int32_t result,
              bool persistent = false) noexcept;

// Disarms every point and resets every call count.
void disarmFaults() noexcept;

// Calls through `point` since it was last armed or reset.
unsigned faultCalls(FaultPoint point) noexcept;

namespace detail {
extern std::atomic<bool> gFaultPointsInUse;
bool countCall(FaultPoint point, std::int32_t& result) noexcept;
}  // namespace detail

// True once a test has armed or reset the fault points.
inline bool faultPointsInUse() noexcept {
  return detail::gFaultPointsInUse.load(std::memory_order_relaxed);
}

// For the platform sides: counts one call through `point`. True when the call must fail, with
// the answer to give in `result`.
inline bool faultFires(FaultPoint point, std::int32_t& result) noexcept {
  return faultPointsInUse() && detail::countCall(point, result);
}

}  // namespace veltra::platform
