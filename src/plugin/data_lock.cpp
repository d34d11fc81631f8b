#include "plugin/data_lock.h"

#include "platform/mutex.h"

namespace veltra::plugin {
namespace {

// Created at load, closed at unload; in between only waited on and released. A plain pointer on
// purpose, with no static destructor: when a host process exits without unloading the module,
// the C runtime runs static destructors before the loader runs the module's unload hook, which
// would then close a lock already destroyed (in an optimised build, freeing it a second time).
platform::Mutex* theDataLock = nullptr;

}  // namespace

void createDataLock() noexcept {
  closeDataLock();
  theDataLock = platform::createMutex().release();
}

void closeDataLock() noexcept {
  const platform::MutexHandle closing(theDataLock);
  theDataLock = nullptr;
}

bool lockData() noexcept {
  if (theDataLock == nullptr) return false;
  return platform::waitForMutex(*theDataLock) != platform::WaitOutcome::kFailed;
}

void unlockData() noexcept {
  if (theDataLock != nullptr) platform::releaseMutex(*theDataLock);
}

}  // namespace veltra::plugin
