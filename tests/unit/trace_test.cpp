#include <gtest/gtest.h>

#include <string>

#include "support/trace.h"
#include "trace_capture.h"

namespace veltra::support {
namespace {

std::string format(const char* text) {
  char line[kTraceLineCapacity];
  formatTraceLine(line, text, nullptr, 0);
  return line;
}

template <typename... Args>
std::string format(const char* text, const Args&... args) {
  char line[kTraceLineCapacity];
  const TraceArg list[] = {TraceArg(args)...};
  formatTraceLine(line, text, list, sizeof...(Args));
  return line;
}

TEST(TraceFormat, ConversionsAsTheLinesUseThem) {
  EXPECT_EQ(format("getAttrIndex %ld", -1), "getAttrIndex -1");
  EXPECT_EQ(format("NodePulse OUT:next_time=%ld", 3600000), "NodePulse OUT:next_time=3600000");
  EXPECT_EQ(format("%s%s%s0x%x", "getInstance: ", "Could not get instance. ",
                   "Error code = ", static_cast<std::int32_t>(0x80041002)),
            "getInstance: Could not get instance. Error code = 0x80041002");
  EXPECT_EQ(format("GetPropertyValue OUT=%S return=%d", u"UPSInputVolt", 6),
            "GetPropertyValue OUT=UPSInputVolt return=6");
  EXPECT_EQ(format("unexpected type returned (%d)", std::uint16_t{0x2005}),
            "unexpected type returned (8197)");
  EXPECT_EQ(format("SetRoot=HeapAlloc theRootNodeId[%ld]", std::uint64_t{4294967296}),
            "SetRoot=HeapAlloc theRootNodeId[4294967296]");
  EXPECT_EQ(format("100%% %S", u"caf\u00e9"), "100% caf?");
  EXPECT_EQ(
      format("%s and %S", static_cast<const char*>(nullptr), static_cast<const char16_t*>(nullptr)),
      "(null) and (null)");
  EXPECT_EQ(format("missing %s here"), "missing  here");
}

TEST(TraceFormat, LongLinesAreCutAtTheBuffer) {
  const std::string rootId(5000, 'R');
  char line[kTraceLineCapacity];
  const TraceArg args[] = {TraceArg(rootId.c_str())};
  const std::size_t length = formatTraceLine(line, "SetRoot=%s", args, 1);
  EXPECT_EQ(length, kTraceLineCapacity - 1);
  EXPECT_EQ(std::string(line), "SetRoot=" + rootId.substr(0, kTraceLineCapacity - 1 - 8));

  const std::string longFormat(3000, 'f');
  EXPECT_EQ(format(longFormat.c_str()).size(), kTraceLineCapacity - 1);
}

TEST(TraceHooks, NothingIsFormattedWithoutASink) {
  const std::uint64_t before = formattedTraceLines();
  traceFormat("GetMetaData %ld", 104);
  traceObjectFormat(nullptr, "GetPropertyValue IN=%S", u"UPSInputVolt");
  EXPECT_EQ(formattedTraceLines(), before);

  testing::TraceCapture capture;
  trace("InitNodes ");
  traceFormat("GetMetaData %ld", 104);
  EXPECT_EQ(capture.lines(), (std::vector<std::string>{"InitNodes ", "GetMetaData 104"}));
  EXPECT_EQ(formattedTraceLines(), before + 1);
}

}  // namespace
}  // namespace veltra::support
