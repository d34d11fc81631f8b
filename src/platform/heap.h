// The process heap: the allocator whose blocks the host hands back through the free entry
// points, and which holds the module's own texts.
#pragma once

#include <cstddef>
#include <memory>

namespace veltra::platform {

// Zero-filled block of `bytes` bytes, or null when the heap cannot supply it.
void* heapAllocZeroed(std::size_t bytes) noexcept;

// Returns a block to the heap. Accepts null.
void heapFree(void* block) noexcept;

struct HeapFreer {
  void operator()(void* block) const noexcept { heapFree(block); }
};

// Owns a heap block until it is released to its next owner.
template <typename T = unsigned char>
using HeapPtr = std::unique_ptr<T, HeapFreer>;

template <typename T = unsigned char>
HeapPtr<T> heapAllocate(std::size_t bytes) noexcept {
  return HeapPtr<T>(static_cast<T*>(heapAllocZeroed(bytes)));
}

}  // namespace veltra::platform
