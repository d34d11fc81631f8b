// The data lock's mutex on POSIX: recursive, like a Windows mutex for the thread that owns it,
// and robust, so one left held by a thread that died passes to the next waiter.
#include "platform/mutex.h"

#include <pthread.h>

#include <cerrno>
#include <new>

#include "platform/fault_points.h"
#include "platform/live_counts.h"

namespace veltra::platform {

struct Mutex {
  pthread_mutex_t native;
};

namespace {

bool initialise(pthread_mutex_t& native) noexcept {
  pthread_mutexattr_t attributes;
  if (pthread_mutexattr_init(&attributes) != 0) return false;
  const bool ready = pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE) == 0 &&
                     pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST) == 0 &&
                     pthread_mutex_init(&native, &attributes) == 0;
  pthread_mutexattr_destroy(&attributes);
  return ready;
}

}  // namespace

void MutexCloser::operator()(Mutex* mutex) const noexcept {
  pthread_mutex_destroy(&mutex->native);
  delete mutex;
  countReleased(LiveResource::kMutex);
}

MutexHandle createMutex() noexcept {
  std::int32_t ignored = 0;
  if (faultFires(FaultPoint::kMutexCreate, ignored)) return nullptr;
  auto* mutex = new (std::nothrow) Mutex;
  if (mutex == nullptr) return nullptr;
  if (!initialise(mutex->native)) {
    delete mutex;
    return nullptr;
  }
  countAcquired(LiveResource::kMutex);
  return MutexHandle(mutex);
}

WaitOutcome waitForMutex(Mutex& mutex) noexcept {
  std::int32_t ignored = 0;
  if (faultFires(FaultPoint::kMutexWait, ignored)) return WaitOutcome::kFailed;
  switch (pthread_mutex_lock(&mutex.native)) {
    case 0:
      return WaitOutcome::kAcquired;
    case EOWNERDEAD:
      // The owner died holding it. We own it now; mark it usable again, as Windows does.
      pthread_mutex_consistent(&mutex.native);
      return WaitOutcome::kAbandoned;
    default:
      return WaitOutcome::kFailed;
  }
}

void releaseMutex(Mutex& mutex) noexcept {
  pthread_mutex_unlock(&mutex.native);
}

}  // namespace veltra::platform
