// The process heap on Windows: the heap whose blocks the host hands back to the free entry
// points.
#include "platform/heap.h"

#include "platform/win/windows_headers.h"

namespace veltra::platform {

void* heapAllocZeroed(std::size_t bytes) noexcept {
  return HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, bytes);
}

void heapFree(void* block) noexcept {
  if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace veltra::platform
