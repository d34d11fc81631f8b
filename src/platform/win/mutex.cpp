// The data lock's mutex on Windows: an unnamed kernel mutex, waited on without a time-out.
#include "platform/mutex.h"

#include "platform/win/windows_headers.h"

namespace veltra::platform {
namespace {

// The platform's opaque Mutex stands for the kernel handle itself.
HANDLE native(Mutex* mutex) {
  return static_cast<HANDLE>(mutex);
}

}  // namespace

// Mutex is never defined on Windows: a MutexHandle holds the kernel handle.
void MutexCloser::operator()(Mutex* mutex) const noexcept {
  CloseHandle(native(mutex));
}

MutexHandle createMutex() noexcept {
  return MutexHandle(static_cast<Mutex*>(CreateMutexA(nullptr, FALSE, nullptr)));
}

WaitOutcome waitForMutex(Mutex& mutex) noexcept {
  switch (WaitForSingleObject(native(&mutex), INFINITE)) {
    case WAIT_OBJECT_0:
      return WaitOutcome::kAcquired;
    case WAIT_ABANDONED:
      // A host thread died holding it; the wait has made us the owner.
      return WaitOutcome::kAbandoned;
    default:
      return WaitOutcome::kFailed;
  }
}

void releaseMutex(Mutex& mutex) noexcept {
  ReleaseMutex(native(&mutex));
}

}  // namespace veltra::platform
