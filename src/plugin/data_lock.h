// The one process-wide lock that serialises the host's calls into the module.
//
// Every entry point but the three free functions takes it just after its first trace line and
// releases it exactly once before it returns. The library entry creates it when the module is
// loaded and closes it when the module is unloaded.
#pragma once

namespace veltra::plugin {

// Load and unload of the module.
void createDataLock() noexcept;
void closeDataLock() noexcept;

// True when the lock is now held. False when there is no lock or the wait failed; a lock left
// held by a thread that died counts as held by the caller.
bool lockData() noexcept;
void unlockData() noexcept;

// Holds the lock from construction until release() or destruction, whichever comes first.
class DataLockGuard {
 public:
  DataLockGuard() noexcept : held_(lockData()) {}
  ~DataLockGuard() { release(); }
  DataLockGuard(const DataLockGuard&) = delete;
  DataLockGuard& operator=(const DataLockGuard&) = delete;

  bool held() const noexcept { return held_; }
  void release() noexcept {
    if (held_) unlockData();
    held_ = false;
  }

 private:
  bool held_;
};

}  // namespace veltra::plugin
