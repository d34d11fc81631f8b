#include "heap_counter.h"

#include <cstddef>
#include <cstdlib>

// The C library's own allocator, under the names glibc gives it for exactly this use.
extern "C" {
void* __libc_malloc(std::size_t bytes);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t bytes);
}

namespace veltra::bench {
namespace {

// Per thread, so the counting adds no shared cache line to a run with several threads.
thread_local HeapUse tHeapUse;

void count(std::size_t bytes) noexcept {
  ++tHeapUse.blocks;
  tHeapUse.bytes += bytes;
}

}  // namespace

HeapUse heapUseOfThisThread() noexcept {
  return tHeapUse;
}

}  // namespace veltra::bench

extern "C" void* malloc(std::size_t bytes) noexcept {
  veltra::bench::count(bytes);
  return __libc_malloc(bytes);
}

extern "C" void* calloc(std::size_t count, std::size_t size) noexcept {
  std::size_t bytes = 0;
  if (!__builtin_mul_overflow(count, size, &bytes)) veltra::bench::count(bytes);
  return __libc_calloc(count, size);
}

extern "C" void* realloc(void* block, std::size_t bytes) noexcept {
  veltra::bench::count(bytes);
  return __libc_realloc(block, bytes);
}
