// Counts the heap blocks that each thread of the benchmark program asks for, so a benchmark can
// report what one call allocates.
//
// The program replaces the C library's malloc, calloc and realloc with thin counting wrappers over
// the C library's own. The module, its companion libraries and the C++ runtime all allocate through
// those, so every block that a call takes from the process heap is counted, whoever takes it.
#pragma once

#include <cstdint>

namespace veltra::bench {

struct HeapUse {
  std::uint64_t blocks = 0;
  std::uint64_t bytes = 0;  // as requested, not as the allocator rounds them up
};

// What the calling thread has allocated since it started.
HeapUse heapUseOfThisThread() noexcept;

inline HeapUse operator-(const HeapUse& later, const HeapUse& earlier) noexcept {
  return {later.blocks - earlier.blocks, later.bytes - earlier.bytes};
}

}  // namespace veltra::bench
