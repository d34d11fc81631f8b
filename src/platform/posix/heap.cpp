// The process heap on POSIX: the C library's allocator.
#include "platform/heap.h"

#include <cstdint>
#include <cstdlib>

#include "platform/fault_points.h"
#include "platform/live_counts.h"

namespace veltra::platform {

void* heapAllocZeroed(std::size_t bytes) noexcept {
  std::int32_t ignored = 0;
  if (faultFires(FaultPoint::kHeapAlloc, ignored)) return nullptr;
  // calloc(0) may answer null; a zero-byte block is still a block the caller may free.
  void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
  if (block != nullptr) countAcquired(LiveResource::kHeapBlock);
  return block;
}

void heapFree(void* block) noexcept {
  if (block != nullptr) countReleased(LiveResource::kHeapBlock);
  std::free(block);
}

}  // namespace veltra::platform
