// The host protocol around the values: lifetime, listing, connecting, describing, freeing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "host_fixture.h"
#include "query_paths.h"
#include "ups_readings.h"

namespace veltra::testing {
namespace {

using host::listedNodes;
using host::queryPath;

// The nodes as the module lists them: keys and display names in slot order.
std::vector<host::ListedNode> catalogue() {
  std::vector<host::ListedNode> nodes;
  for (const CatalogueNode& node : kNodes)
    nodes.push_back({node.key, node.displayName});
  return nodes;
}

using ProtocolTest = HostTest;

TEST_F(ProtocolTest, BeforeInitNothingIsServed) {
  const Bytes root = queryPath("VELTRA");
  EXPECT_FALSE(module().GetNodeList(root.data()));
  veltra_handle handle = 7;
  std::uint8_t type = 7;
  EXPECT_EQ(module().NodeConnect(queryPath("VELTRA", "InputVoltage").data(), &handle, &type), 0);
  EXPECT_EQ(handle, -1);
  EXPECT_EQ(type, 0);
  EXPECT_FALSE(module().GetNodeAttributes(100));
  EXPECT_FALSE(module().NodeGetValue(100));
  EXPECT_EQ(module().NodePulse(100, 0), VELTRA_PULSE_IDLE_MS);
  EXPECT_EQ(module().NodeDisconnect(100), 1);
  EXPECT_EQ(module().TermNodes(), 1);
}

struct ListCase {
  const char* name;
  Bytes path;
};
VELTRA_PRINT_CASE_BY_NAME(ListCase)

class NodeListTest : public HostTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(NodeListTest, AnyPathGetsAllTwelveNodes) {
  ASSERT_EQ(module().InitNodes(), 1);
  const Record list = module().GetNodeList(GetParam().path.data());
  ASSERT_TRUE(list);
  EXPECT_EQ(veltra_record_format(list.get()), 2);
  EXPECT_EQ(veltra_node_list_count(list.get()), 12);
  EXPECT_EQ(listedNodes(list.get()), catalogue());
}

INSTANTIATE_TEST_SUITE_P(Paths, NodeListTest,
                         ::testing::Values(ListCase{"Root", queryPath("VELTRA")},
                                           ListCase{"RootInOtherCase", queryPath("Veltra")},
                                           ListCase{"OtherRoot", queryPath("SOMETHING_ELSE")},
                                           ListCase{"NodePath",
                                                    queryPath("VELTRA", "InputVoltage")},
                                           ListCase{"NoMembers", rawPath(0, 23, 0)},
                                           ListCase{"LongRoot", queryPath(std::string(5000, 'V'))}),
                         CaseName());

TEST_F(ProtocolTest, NullPathGetsNoList) {
  ASSERT_EQ(module().InitNodes(), 1);
  EXPECT_FALSE(module().GetNodeList(nullptr));
}

struct ConnectCase {
  const char* name;
  Bytes path;
  std::int32_t connected;
  veltra_handle handle;
  std::uint8_t type;
};
VELTRA_PRINT_CASE_BY_NAME(ConnectCase)

class ConnectTest : public HostTest, public ::testing::WithParamInterface<ConnectCase> {};

TEST_P(ConnectTest, ByKeyIgnoringLetterCase) {
  const ConnectCase& c = GetParam();
  ASSERT_EQ(module().InitNodes(), 1);
  for (int attempt = 0; attempt < 2; ++attempt) {  // connecting twice changes nothing
    veltra_handle handle = 7;
    std::uint8_t type = 7;
    EXPECT_EQ(module().NodeConnect(c.path.data(), &handle, &type), c.connected);
    EXPECT_EQ(handle, c.handle);
    EXPECT_EQ(type, c.type);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ConnectTest,
    ::testing::Values(
        ConnectCase{"OutputLoad", queryPath("VELTRA", "OutputLoad"), 1, 104, 1},
        ConnectCase{"LowerCase", queryPath("VELTRA", "outputload"), 1, 104, 1},
        ConnectCase{"UpperCase", queryPath("VELTRA", "TEMPPROBE2"), 1, 111, 1},
        ConnectCase{"UnderAnotherRoot", queryPath("ELSEWHERE", "InputVoltage"), 1, 100, 1},
        ConnectCase{"UnknownKey", queryPath("VELTRA", "Nope"), 0, -1, 0},
        ConnectCase{"LookAlikeLetter", queryPath("VELTRA", "InputVoltag\xD0\xB5"), 0, -1, 0},
        ConnectCase{"RootPath", queryPath("VELTRA"), 0, -1, 0},
        ConnectCase{"ThreeMembers", rawPath(3, 23, 23), 0, -1, 0},
        ConnectCase{"OffsetIntoItsFields", rawPath(2, 23, 19), 0, -1, 0}),
    CaseName());

TEST_F(ProtocolTest, NullPathConnectsNothing) {
  ASSERT_EQ(module().InitNodes(), 1);
  veltra_handle handle = 7;
  std::uint8_t type = 7;
  EXPECT_EQ(module().NodeConnect(nullptr, &handle, &type), 0);
  EXPECT_EQ(handle, -1);
  EXPECT_EQ(type, 0);
}

TEST_F(ProtocolTest, AttributesRecordForEveryNodeAndNoneForOtherHandles) {
  ASSERT_EQ(module().InitNodes(), 1);
  for (veltra_handle handle = 100; handle <= 111; ++handle) {
    const Record attributes = module().GetNodeAttributes(handle);
    ASSERT_TRUE(attributes);
    EXPECT_EQ(veltra_record_length(attributes.get()), 67);
    EXPECT_EQ(veltra_attributes_pulse_ms(attributes.get()), 4000);
    std::size_t length = 0;
    const unsigned char* format = veltra_attributes_format(attributes.get(), &length);
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(host::hostText(format, length), "%10.02f");
  }
  for (const veltra_handle handle : {-1, 0, 99, 112, INT32_MAX, INT32_MIN}) {
    EXPECT_FALSE(module().GetNodeAttributes(handle)) << handle;
  }
}

TEST_F(ProtocolTest, TermEndsServiceUntilTheNextInit) {
  ASSERT_EQ(module().InitNodes(), 1);
  EXPECT_EQ(module().TermNodes(), 1);
  EXPECT_EQ(module().TermNodes(), 1);
  EXPECT_FALSE(module().GetNodeList(queryPath("VELTRA").data()));
  EXPECT_FALSE(module().GetNodeAttributes(100));
  EXPECT_FALSE(module().NodeGetValue(100));
  EXPECT_EQ(connect("InputVoltage"), -1);
  ASSERT_EQ(module().InitNodes(), 1);
  EXPECT_EQ(connect("InputVoltage"), 112);
}

TEST_F(ProtocolTest, FreeFunctionsAcceptNull) {
  module().FreeNodeList(nullptr);
  module().FreeNodeAttributes(nullptr);
  module().NodeFreeValue(nullptr);
}

}  // namespace
}  // namespace veltra::testing
