#include "platform/fault_points.h"

#include <array>
#include <atomic>

namespace veltra::platform {
namespace {

struct PointState {
  std::atomic<unsigned> calls{0};
  std::atomic<unsigned> failAt{0};  // 0: disarmed
  std::atomic<std::int32_t> result{0};
  std::atomic<bool> persistent{false};
};

std::array<PointState, static_cast<unsigned>(FaultPoint::kCount)> gPoints;

PointState& stateOf(FaultPoint point) {
  return gPoints[static_cast<unsigned>(point)];
}

}  // namespace

const char* faultPointName(FaultPoint point) noexcept {
  switch (point) {
    case FaultPoint::kMutexCreate:
      return "mutex create";
    case FaultPoint::kMutexWait:
      return "mutex wait";
    case FaultPoint::kHeapAlloc:
      return "heap alloc";
    case FaultPoint::kObjectAlloc:
      return "object alloc";
    case FaultPoint::kModuleStrings:
      return "module strings";
    case FaultPoint::kComInitialize:
      return "COM initialize";
    case FaultPoint::kProcessSecurity:
      return "process security";
    case FaultPoint::kComString:
      return "COM string";
    case FaultPoint::kCreateLocator:
      return "create locator";
    case FaultPoint::kConnectServer:
      return "connect server";
    case FaultPoint::kSetProxyBlanket:
      return "set proxy blanket";
    case FaultPoint::kGetObject:
      return "get object";
    case FaultPoint::kGetProperty:
      return "get property";
    case FaultPoint::kHostTextLength:
      return "host text length";
    case FaultPoint::kCount:
      break;
  }
  return "?";
}

namespace detail {
std::atomic<bool> gFaultPointsInUse{false};
}  // namespace detail

void armFault(FaultPoint point, unsigned nth, std::int32_t result, bool persistent) noexcept {
  detail::gFaultPointsInUse.store(true, std::memory_order_relaxed);
  PointState& state = stateOf(point);
  state.failAt.store(0, std::memory_order_relaxed);
  state.calls.store(0, std::memory_order_relaxed);
  state.result.store(result, std::memory_order_relaxed);
  state.persistent.store(persistent, std::memory_order_relaxed);
  state.failAt.store(nth, std::memory_order_release);
}

void disarmFaults() noexcept {
  detail::gFaultPointsInUse.store(true, std::memory_order_relaxed);
  for (PointState& state : gPoints) {
    state.failAt.store(0, std::memory_order_relaxed);
    state.calls.store(0, std::memory_order_relaxed);
  }
}

unsigned faultCalls(FaultPoint point) noexcept {
  return stateOf(point).calls.load(std::memory_order_relaxed);
}

bool detail::countCall(FaultPoint point, std::int32_t& result) noexcept {
  PointState& state = stateOf(point);
  const unsigned call = state.calls.fetch_add(1, std::memory_order_relaxed) + 1;
  const unsigned failAt = state.failAt.load(std::memory_order_acquire);
  if (failAt == 0 || call < failAt) return false;
  if (call > failAt && !state.persistent.load(std::memory_order_relaxed)) return false;
  result = state.result.load(std::memory_order_relaxed);
  return true;
}

}  // namespace veltra::platform
