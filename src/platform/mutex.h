// The operating system's process-local mutex, owned by the thread that waits on it.
//
// Windows: an unnamed kernel mutex. POSIX: a robust, recursive pthread mutex, which gives the
// same meaning: the owning thread may re-enter it, and one left held by a thread that died is
// handed to the next waiter, which is told so.
#pragma once

#include <memory>

namespace veltra::platform {

struct Mutex;  // defined by each platform

struct MutexCloser {
  void operator()(Mutex* mutex) const noexcept;
};
using MutexHandle = std::unique_ptr<Mutex, MutexCloser>;

// Creates a mutex that no thread owns yet. Null on failure.
MutexHandle createMutex() noexcept;

enum class WaitOutcome {
  kAcquired,
  kAbandoned,  // acquired, but its previous owner died holding it
  kFailed,
};

// Waits without a time-out.
WaitOutcome waitForMutex(Mutex& mutex) noexcept;

void releaseMutex(Mutex& mutex) noexcept;

}  // namespace veltra::platform
