// The module as a host loads it, reading from Wine's own WMI service, which publishes no UPS
// class: every node lists and connects, and every reading is unavailable. This is the honest
// answer on a machine without a UPS provider.
#include <gtest/gtest.h>

#include "host_fixture.h"
#include "wmi_registration.h"

namespace veltra::testing {
namespace {

class WineWmiTest : public HostTest {
 protected:
  void SetUp() override {
    if (currentWmiRegistration() != WmiRegistration::kWineService) {
      GTEST_SKIP() << "needs Wine's own WMI registered; now " << describeWmiRegistration();
    }
    HostTest::SetUp();
  }
};

TEST_F(WineWmiTest, EveryNodeIsUnavailable) {
  ASSERT_EQ(module().InitNodes(), 1);
  const host::Record list = module().GetNodeList(host::queryPath("VELTRA").data());
  ASSERT_TRUE(list);
  const std::vector<host::ListedNode> nodes = host::listedNodes(list.get());
  ASSERT_EQ(nodes.size(), 12u);
  // Display names come from the DLL's string table resource.
  EXPECT_EQ(nodes[0].displayName, "Input Line Voltage");
  EXPECT_EQ(nodes[5].displayName, "Output Frequency");

  for (const host::ListedNode& node : nodes) {
    const veltra_handle handle = connect(node.key);
    ASSERT_NE(handle, -1) << node.key;
    const host::Record value = module().NodeGetValue(handle);
    ASSERT_TRUE(value) << node.key;
    EXPECT_EQ(veltra_value_status(value.get()), VELTRA_NODE_UNAVAILABLE) << node.key;
    EXPECT_EQ(veltra_value_type(value.get()), VELTRA_TYPE_DOUBLE) << node.key;
    EXPECT_EQ(veltra_value_double(value.get()), 0.0) << node.key;
    EXPECT_EQ(module().NodePulse(handle, 4000), VELTRA_PULSE_ACTIVE_MS) << node.key;
  }
}

}  // namespace
}  // namespace veltra::testing
