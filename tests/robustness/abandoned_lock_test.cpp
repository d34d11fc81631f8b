// A host thread that dies holding the data lock: the next caller, on any thread, takes the lock
// over and the module goes on working; once that caller is done the lock is free again. The
// next caller may already be waiting when the owner dies, or come later; the dead owner may have
// taken the lock more than once.
#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "case_name.h"
#include "live_resources.h"
#include "lock_probe.h"
#include "module_fixture.h"
#include "module_model.h"
#include "platform/fault_points.h"
#include "plugin/data_lock.h"
#include "query_paths.h"
#include "record_checks.h"
#include "repository_file.h"
#include "veltra_module.h"

namespace veltra::testing {
namespace {

using platform::FaultPoint;

veltra_handle connect(const char* key) {
  veltra_handle handle = -1;
  std::uint8_t type = 0;
  NodeConnect(nodePath(key).data(), &handle, &type);
  return handle;
}

struct DeathCase {
  const char* name;
  int timesTaken;      // how often the dying thread took the lock
  bool callerWaiting;  // whether the next caller is already waiting when it dies
};
VELTRA_PRINT_CASE_BY_NAME(DeathCase)

class AbandonedLockTest : public ModuleTest, public ::testing::WithParamInterface<DeathCase> {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    repository_.emplace(upsReadingsRepository());
  }
  void TearDown() override {
    ModuleTest::TearDown();
    repository_.reset();
  }
  std::optional<RepositoryFile> repository_;
};

// Reads a value as the next caller and checks it is the node's reading.
void readConnectedNode(veltra_handle handle) {
  const host::Record value(NodeGetValue(handle), &NodeFreeValue);
  ASSERT_TRUE(value);
  EXPECT_EQ(valueProblems(value.get()), "");
  EXPECT_EQ(veltra_value_status(value.get()), VELTRA_STATUS_OK);
  EXPECT_EQ(veltra_value_double(value.get()), kNodes[0].reading);
}

TEST_P(AbandonedLockTest, TheNextCallerTakesTheLockOver) {
  const DeathCase& c = GetParam();
  const LiveResources before = LiveResources::now();
  ASSERT_EQ(InitNodes(), 1);
  const veltra_handle handle = connect(kNodes[0].key);
  ASSERT_EQ(handle, 100);

  std::optional<std::thread> caller;
  std::thread owner([&c, &caller, handle] {
    for (int i = 0; i < c.timesTaken; ++i)
      ASSERT_TRUE(plugin::lockData());
    if (c.callerWaiting) {
      // The caller counts its wait just before it blocks on the lock this thread holds.
      const unsigned waits = platform::faultCalls(FaultPoint::kMutexWait);
      caller.emplace(readConnectedNode, handle);
      while (platform::faultCalls(FaultPoint::kMutexWait) == waits)
        std::this_thread::yield();
    }
  });  // ends without releasing the lock
  owner.join();
  if (caller) caller->join();
  if (!c.callerWaiting) std::thread(readConnectedNode, handle).join();

  EXPECT_EQ(NodePulse(handle, 0), VELTRA_PULSE_ACTIVE_MS);
  EXPECT_EQ(lockStateName(probeDataLock()), lockStateName(LockState::kFree));
  ASSERT_EQ(InitNodes(), 1);
  EXPECT_EQ(connect(kNodes[1].key), 113);
  EXPECT_EQ(TermNodes(), 1);
  EXPECT_EQ(lockStateName(probeDataLock()), lockStateName(LockState::kFree));
  EXPECT_EQ(LiveResources::now(), before);
}

const DeathCase kDeaths[] = {
    {"NextCallerComesLater", 1, false},
    {"NextCallerAlreadyWaiting", 1, true},
    {"ReenteredThenDied", 2, false},
    {"ReenteredThenDiedWithACallerWaiting", 3, true},
};

INSTANTIATE_TEST_SUITE_P(Deaths, AbandonedLockTest, ::testing::ValuesIn(kDeaths), CaseName());

}  // namespace
}  // namespace veltra::testing
