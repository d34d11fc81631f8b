#include "lock_probe.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

#include "plugin/data_lock.h"

namespace veltra::testing {

LockState probeDataLock() {
  std::promise<bool> taken;
  std::future<bool> answer = taken.get_future();
  std::thread prober([&taken] {
    const bool held = plugin::lockData();
    if (held) plugin::unlockData();
    taken.set_value(held);
  });
  // Generous: the probe only waits for a lock nobody should hold. Not a timing check.
  if (answer.wait_for(std::chrono::minutes(1)) != std::future_status::ready) {
    std::fprintf(stderr, "the data lock is still held: another thread cannot take it\n");
    std::abort();
  }
  prober.join();
  if (answer.get()) return LockState::kFree;
  return LockState::kNoLock;
}

const char* lockStateName(LockState state) {
  switch (state) {
    case LockState::kFree:
      return "free";
    case LockState::kNoLock:
      return "no lock";
  }
  return "?";
}

}  // namespace veltra::testing
