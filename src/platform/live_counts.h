// Live counts of the resources the module acquires, for tests only: each acquisition counts one
// up and its release one down, so a test can prove that a run of the protocol paired every
// allocation with its free. Never exported from the module, like the fault points; the cost is
// one relaxed atomic add per acquisition or release.
#pragma once

namespace veltra::platform {

enum class LiveResource : unsigned {
  kHeapBlock,     // process heap blocks: records, display names, root ids, keys
  kComString,     // COM strings made for one WMI call
  kModuleObject,  // the attribute list, its attributes and the requester
  kMutex,         // the data lock
  kCount,
};

const char* liveResourceName(LiveResource resource) noexcept;

void countAcquired(LiveResource resource) noexcept;
void countReleased(LiveResource resource) noexcept;

// Acquired and not yet released, since the process started.
long liveCount(LiveResource resource) noexcept;

}  // namespace veltra::platform
