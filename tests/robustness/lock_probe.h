// Whether the data lock is free, seen from a thread that has never touched it: the lock is
// recursive, so the thread holding it could always take it again and would prove nothing.
#pragma once

namespace veltra::testing {

enum class LockState {
  kFree,    // another thread took it and released it
  kNoLock,  // no lock could be taken: there is none (it could not be created)
};

// Call with no fault armed on the wait. Aborts the process, saying why, if the lock stays held:
// every later call would hang on it.
LockState probeDataLock();

const char* lockStateName(LockState state);

}  // namespace veltra::testing
