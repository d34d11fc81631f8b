#include "platform/live_counts.h"

#include <array>
#include <atomic>

namespace veltra::platform {
namespace {

std::array<std::atomic<long>, static_cast<unsigned>(LiveResource::kCount)> gLive{};

std::atomic<long>& counter(LiveResource resource) {
  return gLive[static_cast<unsigned>(resource)];
}

}  // namespace

const char* liveResourceName(LiveResource resource) noexcept {
  switch (resource) {
    case LiveResource::kHeapBlock:
      return "heap blocks";
    case LiveResource::kComString:
      return "COM strings";
    case LiveResource::kModuleObject:
      return "module objects";
    case LiveResource::kMutex:
      return "mutexes";
    case LiveResource::kCount:
      break;
  }
  return "?";
}

void countAcquired(LiveResource resource) noexcept {
  counter(resource).fetch_add(1, std::memory_order_relaxed);
}

void countReleased(LiveResource resource) noexcept {
  counter(resource).fetch_sub(1, std::memory_order_relaxed);
}

long liveCount(LiveResource resource) noexcept {
  return counter(resource).load(std::memory_order_relaxed);
}

}  // namespace veltra::platform
