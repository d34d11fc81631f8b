#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "catalogue/attribute_list.h"
#include "module_fixture.h"
#include "query_paths.h"
#include "trace_capture.h"

namespace veltra::catalogue {
namespace {

using testing::nodePath;
using testing::rawPath;
using testing::rootPath;

class QueryPathTest : public testing::ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    list_.emplace();
  }
  void TearDown() override {
    list_.reset();
    ModuleTest::TearDown();
  }
  AttributeList& list() { return *list_; }
  std::optional<AttributeList> list_;
};

TEST_F(QueryPathTest, KeysMatchLettersInEitherCaseAndNothingElse) {
  struct Case {
    const char* key;
    std::int32_t index;
  };
  const Case cases[] = {
      {"InputVoltage", 0},
      {"inputvoltage", 0},
      {"INPUTVOLTAGE", 0},
      {"OutputLoad", 4},
      {"tempprobe2", 11},
      {"InputVoltag", -1},
      {"InputVoltage ", -1},
      {"", -1},
      {"InputVoltag\xD0\xB5", -1},  // a Cyrillic look-alike of the last 'e'
      {"\xC9nputVoltage", -1},      // bytes above 127 are never folded
      {"VELTRA", -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(list().findAttrIndex(nodePath(c.key).data()), c.index);
    EXPECT_EQ(list().GetHandle(nodePath(c.key).data()), c.index == -1 ? -1 : 100 + c.index);
  }
}

TEST_F(QueryPathTest, OnlyMemberOneIsExaminedForANode) {
  EXPECT_EQ(list().findAttrIndex(nodePath("OutputLoad", "SOMEWHERE ELSE").data()), 4);
}

TEST_F(QueryPathTest, PathsThatCannotNameANode) {
  struct Case {
    const char* name;
    testing::Bytes path;
  };
  const Case cases[] = {
      {"root path", rootPath("VELTRA")},
      {"no members", rawPath(0, 23, 23)},
      {"three members", rawPath(3, 23, 23)},
      {"negative members", rawPath(-2, 23, 23)},
      {"huge members", rawPath(INT32_MAX, 23, 23)},
      {"negative offset", rawPath(2, 23, -1)},
      {"offset into its own fields", rawPath(2, 23, 22)},
      {"offset at the start", rawPath(2, 23, 0)},
  };
  EXPECT_EQ(list().findAttrIndex(nullptr), -1);
  EXPECT_EQ(list().GetHandle(nullptr), -1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(list().findAttrIndex(c.path.data()), -1);
    EXPECT_EQ(list().GetHandle(c.path.data()), -1);
  }
  EXPECT_EQ(list().findAttrIndex(rawPath(2, -5, 23).data()), 0) << "member 0 is not read";
}

TEST_F(QueryPathTest, SetRootComparesTheRootIdForTheTraceAlone) {
  struct Case {
    const char* rootId;
    const char* verdict;
  };
  const Case cases[] = {
      {"VELTRA", "SetRoot: RootNode Matches"},
      {"veltra", "SetRoot: RootNode Matches"},
      {"VELTRA2", "SetRoot: RootNode Does Not Match"},
      {"", "SetRoot: RootNode Does Not Match"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rootId);
    testing::TraceCapture capture;
    list().SetRoot(rootPath(c.rootId).data());
    const std::string id = c.rootId;
    const std::string size = std::to_string(id.size() + 2);
    EXPECT_EQ(capture.lines(), (std::vector<std::string>{
                                   "SetRoot",
                                   "SetRoot: get path size",
                                   "SetRoot=HeapAlloc theRootNodeId[" + size + "]",
                                   "SetRoot: get root node string",
                                   "SetRoot=" + id,
                                   c.verdict,
                                   "clear ",
                                   "clear:HeapFree theRootNodeId",
                                   "clear:theRootNodeId=" + id,
                                   "clear=theRootNodeId HeapFree()d",
                               }));
  }
}

TEST_F(QueryPathTest, SetRootIgnoresPathsWithoutARoot) {
  testing::TraceCapture capture;
  list().SetRoot(nullptr);
  list().SetRoot(nodePath("InputVoltage").data());
  list().SetRoot(rawPath(1, 18, 0).data());
  EXPECT_EQ(capture.lines(), (std::vector<std::string>{
                                 "SetRoot",
                                 "SetRoot=NULL QueryPath",
                                 "SetRoot",
                                 "SetRoot=QueryPath members=2",
                                 "SetRoot",
                                 "SetRoot=QueryPath members=1",
                             }));
}

TEST_F(QueryPathTest, ARootIdThatCannotBeHeldIsDroppedAfterItsTrace) {
  testing::TraceCapture capture;
  platform::armFault(platform::FaultPoint::kHeapAlloc, 1, 0);
  list().SetRoot(rootPath("VELTRA").data());
  platform::armFault(platform::FaultPoint::kHostTextLength, 1, -1);  // 0xFFFFFFFF bytes
  list().SetRoot(rootPath("VELTRA").data());
  EXPECT_EQ(capture.lines(), (std::vector<std::string>{
                                 "SetRoot",
                                 "SetRoot: get path size",
                                 "SetRoot=HeapAlloc theRootNodeId[8]",
                                 "SetRoot",
                                 "SetRoot: get path size",
                                 "SetRoot=HeapAlloc theRootNodeId[4294967296]",
                             }));
}

TEST_F(QueryPathTest, AKeyThatCannotBeHeldMatchesNothing) {
  platform::armFault(platform::FaultPoint::kHeapAlloc, 1, 0);
  EXPECT_EQ(list().findAttrIndex(nodePath("InputVoltage").data()), -1);
  platform::armFault(platform::FaultPoint::kHostTextLength, 1, -1);
  EXPECT_EQ(list().findAttrIndex(nodePath("InputVoltage").data()), -1);
  EXPECT_EQ(list().findAttrIndex(nodePath("InputVoltage").data()), 0);
}

TEST_F(QueryPathTest, ALongRootIdTracesACutLine) {
  testing::TraceCapture capture;
  list().SetRoot(rootPath(std::string(5000, 'V')).data());
  for (const std::string& line : capture.lines())
    EXPECT_LT(line.size(), 1024u);
  EXPECT_TRUE(capture.contains("SetRoot: RootNode Does Not Match"));
}

}  // namespace
}  // namespace veltra::catalogue
