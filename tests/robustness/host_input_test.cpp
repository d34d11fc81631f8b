// Bad input from the host, through the entry points: paths with impossible member counts or
// offsets, over-long and look-alike texts, handles at the limits of a 32-bit integer, and a
// host text library that reports lengths no record can hold. Each gets its documented answer,
// and nothing unsafe happens: no trace line outgrows its buffer, the lock is free afterwards and
// whatever was acquired is released.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <string>

#include "live_resources.h"
#include "lock_probe.h"
#include "module_fixture.h"
#include "platform/fault_points.h"
#include "query_paths.h"
#include "record_checks.h"
#include "support/trace.h"
#include "veltra_module.h"

namespace veltra::testing {
namespace {

using platform::FaultPoint;

std::atomic<std::size_t> gLongestLine{0};
void measureLine(const void*, const char* line) {
  const std::size_t length = std::strlen(line);
  std::size_t longest = gLongestLine.load();
  while (length > longest && !gLongestLine.compare_exchange_weak(longest, length)) {
  }
}

class HostInputTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    before_ = LiveResources::now();
    gLongestLine = 0;
    support::setTraceSink(&measureLine);
    ASSERT_EQ(InitNodes(), 1);
  }
  void TearDown() override {
    platform::disarmFaults();
    EXPECT_EQ(TermNodes(), 1);
    support::setTraceSink(nullptr);
    EXPECT_LT(gLongestLine.load(), support::kTraceLineCapacity);
    EXPECT_EQ(lockStateName(probeDataLock()), lockStateName(LockState::kFree));
    EXPECT_EQ(LiveResources::now(), before_);
    ModuleTest::TearDown();
  }
  LiveResources before_;
};

TEST_F(HostInputTest, PathsGetTheWholeListAndConnectOnlyAKeyThatMatches) {
  struct Case {
    const char* name;
    Bytes path;
    veltra_handle handle;  // what NodeConnect gives; -1 connects nothing
  };
  const Case cases[] = {
      {"members 0", rawPath(0, 23, 23), -1},
      {"members 3", rawPath(3, 23, 23), -1},
      {"members -1", rawPath(-1, 23, 23), -1},
      {"members INT32_MIN", rawPath(INT32_MIN, 23, 23), -1},
      {"members INT32_MAX", rawPath(INT32_MAX, 23, 23), -1},
      {"key offset -1", rawPath(2, 23, -1), -1},
      {"key offset INT32_MIN", rawPath(2, 23, INT32_MIN), -1},
      {"key offset at the member count", rawPath(2, 23, 11), -1},
      {"key offset inside its own field", rawPath(2, 23, 22), -1},
      {"root offset inside its own field", rawPath(1, 18, 0), -1},
      {"root offset INT32_MIN", rawPath(1, INT32_MIN, 0), -1},
      {"root id of 5000 characters", rootPath(std::string(5000, 'V')), -1},
      {"key of 5000 characters", nodePath(std::string(5000, 'K')), -1},
      {"root id and key of bytes above 127", nodePath("\xFF\x80\xFE", "\xC0\xFF"), -1},
      {"key in mixed case", nodePath("tEMPpROBE1"), 110},
      {"key with a Cyrillic look-alike", nodePath("InputVoltag\xD0\xB5"), -1},
      {"key with a Latin-1 capital", nodePath("\xCDnputVoltage"), -1},
      {"key with a dotless i", nodePath("\xC4\xB1nputVoltage"), -1},
      {"key with a fullwidth letter", nodePath("\xEF\xBC\xA9nputVoltage"), -1},
      {"key with a control byte after it", nodePath("InputVoltage\x01"), -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const host::Record list(GetNodeList(c.path.data()), &FreeNodeList);
    ASSERT_TRUE(list);
    EXPECT_EQ(nodeListProblems(list.get()), "");
    EXPECT_EQ(veltra_node_list_count(list.get()), 12);

    veltra_handle handle = -7;
    std::uint8_t type = 0xEE;
    EXPECT_EQ(NodeConnect(c.path.data(), &handle, &type), c.handle == -1 ? 0 : 1);
    EXPECT_EQ(handle, c.handle);
    EXPECT_EQ(type, c.handle == -1 ? 0 : 1);
  }
}

TEST_F(HostInputTest, ALongRootIdIsTracedCutToItsBuffer) {
  testing::Bytes path = rootPath(std::string(5000, 'V'));
  const host::Record list(GetNodeList(path.data()), &FreeNodeList);
  ASSERT_TRUE(list);
  EXPECT_EQ(gLongestLine.load(), support::kTraceLineCapacity - 1);
}

TEST_F(HostInputTest, HandlesThatNameNoNode) {
  for (const veltra_handle handle :
       {-1, 0, 99, 112, INT32_MIN, INT32_MIN + 1, INT32_MAX - 1, INT32_MAX}) {
    SCOPED_TRACE(handle);
    EXPECT_FALSE(host::Record(GetNodeAttributes(handle), &FreeNodeAttributes));
    const host::Record value(NodeGetValue(handle), &NodeFreeValue);
    ASSERT_TRUE(value);
    EXPECT_EQ(valueProblems(value.get()), "");
    EXPECT_EQ(veltra_value_status(value.get()), VELTRA_INVALID_HANDLE);
    EXPECT_EQ(NodePulse(handle, INT32_MIN), VELTRA_PULSE_IDLE_MS);
    EXPECT_EQ(NodePulse(handle, INT32_MAX), VELTRA_PULSE_IDLE_MS);
    EXPECT_EQ(NodeDisconnect(handle), 1);
  }
}

// Lengths the host text library cannot mean: one no text can have, and lengths each of which
// fits but whose sum does not fit a record's length field; in 32-bit arithmetic some of those
// sums would wrap round to a small number and give a short record.
TEST_F(HostInputTest, TextLengthsNoRecordCanHoldGiveNoRecord) {
  struct Case {
    const char* name;
    std::uint32_t length;  // what every measure after the first answers
    bool attributes;       // whether the attributes record cannot hold two texts this long
  };
  const Case cases[] = {
      {"0xFFFFFFFF", 0xFFFFFFFFu, true},
      {"INT32_MAX", 0x7FFFFFFFu, true},
      {"two sum past INT32_MAX", 0x40000000u, true},
      {"two sum to 2^32 + 1 with the fixed fields", 0x7FFFFFE7u, true},
      {"twenty-four sum to 2^32 + 8", 0x0AAAAAABu, false},
  };
  const Bytes root = rootPath("VELTRA");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto length = static_cast<std::int32_t>(c.length);
    // The first measure is the root id's, which the node list does not carry.
    platform::armFault(FaultPoint::kHostTextLength, 2, length, /*persistent=*/true);
    EXPECT_FALSE(host::Record(GetNodeList(root.data()), &FreeNodeList));
    if (!c.attributes) continue;
    platform::armFault(FaultPoint::kHostTextLength, 1, length, /*persistent=*/true);
    EXPECT_FALSE(host::Record(GetNodeAttributes(100), &FreeNodeAttributes));
  }
  platform::armFault(FaultPoint::kHostTextLength, 1, -1, /*persistent=*/true);
  veltra_handle handle = -7;
  std::uint8_t type = 0xEE;
  EXPECT_EQ(NodeConnect(nodePath("InputVoltage").data(), &handle, &type), 0);
  EXPECT_EQ(handle, -1);
  EXPECT_EQ(type, 0);
  EXPECT_FALSE(host::Record(GetNodeList(root.data()), &FreeNodeList));
}

}  // namespace
}  // namespace veltra::testing
