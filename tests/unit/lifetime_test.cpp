#include <gtest/gtest.h>

#include <thread>

#include "module_fixture.h"
#include "plugin/data_lock.h"
#include "plugin/module_state.h"
#include "trace_capture.h"

namespace veltra::plugin {
namespace {

using platform::FaultPoint;
using testing::TraceCapture;

class LifetimeTest : public testing::ModuleTest {
 protected:
  static std::int32_t firstHandle() { return attributeList()->slot(0)->GetHandle(); }
};

TEST_F(LifetimeTest, InitBuildsBothObjectsAndTermRemovesThem) {
  TraceCapture capture;
  ASSERT_EQ(InitNodes(), 1);
  ASSERT_NE(attributeList(), nullptr);
  ASSERT_NE(requester(), nullptr);
  EXPECT_EQ(firstHandle(), 100);

  capture.clear();
  EXPECT_EQ(TermNodes(), 1);
  EXPECT_EQ(attributeList(), nullptr);
  EXPECT_EQ(requester(), nullptr);
  const std::vector<std::string> lines = capture.lines();
  ASSERT_GE(lines.size(), 6u);
  EXPECT_EQ(lines.front(), "TermNodes IN");
  EXPECT_EQ(lines[1], "TermNodes-delete attribute list");
  EXPECT_EQ(lines.back(), "TermNodes OUT");
  EXPECT_TRUE(capture.contains("TermNodes-attribute list deleted"));
  EXPECT_TRUE(capture.contains("TermNodes-delete cim requester"));
  EXPECT_TRUE(capture.contains("TermNodes-cim requester deleted"));
}

TEST_F(LifetimeTest, ReinitialisingGivesNewHandles) {
  ASSERT_EQ(InitNodes(), 1);
  ASSERT_EQ(InitNodes(), 1);
  EXPECT_EQ(firstHandle(), 112);
  TermNodes();
  ASSERT_EQ(InitNodes(), 1);
  EXPECT_EQ(firstHandle(), 124);
}

TEST_F(LifetimeTest, TermBeforeInitOnlyTraces) {
  TraceCapture capture;
  EXPECT_EQ(TermNodes(), 1);
  EXPECT_EQ(capture.lines(), (std::vector<std::string>{"TermNodes IN", "TermNodes OUT"}));
}

TEST_F(LifetimeTest, WithoutTheLockInitFailsAndTermDoesNothing) {
  ASSERT_EQ(InitNodes(), 1);

  platform::armFault(FaultPoint::kMutexWait, 1, 0, /*persistent=*/true);
  EXPECT_EQ(InitNodes(), 0);
  EXPECT_EQ(TermNodes(), 1);
  EXPECT_NE(attributeList(), nullptr) << "Term without the lock must leave the objects";
  platform::disarmFaults();

  // A lock that could not be created at load.
  libraryEntry(LoadReason::kProcessDetach);
  platform::armFault(FaultPoint::kMutexCreate, 1, 0);
  libraryEntry(LoadReason::kProcessAttach);
  EXPECT_FALSE(lockData());
  EXPECT_EQ(InitNodes(), 0);
  EXPECT_EQ(TermNodes(), 1);
  EXPECT_NE(attributeList(), nullptr);

  libraryEntry(LoadReason::kProcessAttach);  // a lock again, so the fixture can clean up
}

TEST_F(LifetimeTest, ObjectsThatCannotBeAllocatedStayNullAndInitStillSucceeds) {
  platform::armFault(FaultPoint::kObjectAlloc, 1, 0);  // the requester
  EXPECT_EQ(InitNodes(), 1);
  EXPECT_EQ(requester(), nullptr);
  EXPECT_NE(attributeList(), nullptr);

  platform::armFault(FaultPoint::kObjectAlloc, 2, 0);  // the attribute list
  EXPECT_EQ(InitNodes(), 1);
  EXPECT_NE(requester(), nullptr);
  EXPECT_EQ(attributeList(), nullptr);
}

TEST_F(LifetimeTest, ALockLeftByADeadThreadIsTakenOver) {
  std::thread([] { ASSERT_TRUE(lockData()); }).join();  // ends without unlocking
  EXPECT_TRUE(lockData());
  unlockData();
  EXPECT_EQ(InitNodes(), 1);
  EXPECT_EQ(TermNodes(), 1);
}

TEST_F(LifetimeTest, LibraryEntryTracesEachReason) {
  TraceCapture capture;
  libraryEntry(LoadReason::kThreadAttach);
  libraryEntry(LoadReason::kThreadDetach);
  libraryEntry(LoadReason::kOther);
  EXPECT_EQ(capture.lines(),
            (std::vector<std::string>{"DLLMain-ThreadAttach", "DLLMain-ThreadDetach",
                                      "DLLMain-Unknown reason"}));
}

}  // namespace
}  // namespace veltra::plugin
