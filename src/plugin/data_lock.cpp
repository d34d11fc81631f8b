#include "plugin/data_lock.h"

#include "platform/mutex.h"

namespace veltra::plugin {
namespace {

// Created at load, closed at unload; in between only waited on and released.
platform::MutexHandle theDataLock;

}  // namespace

void createDataLock() noexcept {
  theDataLock = platform::createMutex();
}

void closeDataLock() noexcept {
  theDataLock.reset();
}

bool lockData() noexcept {
  if (!theDataLock) return false;
  return platform::waitForMutex(*theDataLock) != platform::WaitOutcome::kFailed;
}

void unlockData() noexcept {
  if (theDataLock) platform::releaseMutex(*theDataLock);
}

}  // namespace veltra::plugin
