// Values and pulses, read through the module from a MOF repository, across re-initialisation.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "case_name.h"
#include "host_fixture.h"
#include "repository_file.h"

namespace veltra::testing {
namespace {

struct ValueCase {
  const char* name;
  const char* key;
  std::int32_t status;
  std::uint8_t type;
  double value;
};
VELTRA_PRINT_CASE_BY_NAME(ValueCase)

class ValueTest : public HostTest, public ::testing::WithParamInterface<ValueCase> {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    RepositoryFile::pointAt(sourceFile("tests/fixtures/ups-gaps.mof"));
  }
  void TearDown() override {
    RepositoryFile::pointAt(std::nullopt);
    HostTest::TearDown();
  }
};

TEST_P(ValueTest, StatusTypeAndValue) {
  const ValueCase& c = GetParam();
  ASSERT_EQ(module().InitNodes(), 1);
  const veltra_handle handle = connect(c.key);
  ASSERT_NE(handle, -1);

  const Record value = module().NodeGetValue(handle);
  ASSERT_TRUE(value);
  EXPECT_EQ(veltra_record_length(value.get()), 18);
  EXPECT_EQ(veltra_record_format(value.get()), 1);
  EXPECT_EQ(veltra_value_status(value.get()), c.status);
  EXPECT_EQ(veltra_value_type(value.get()), c.type);
  EXPECT_EQ(veltra_value_double(value.get()), c.value);
  // A failed read leaves the node connected: the host keeps polling it.
  EXPECT_EQ(module().NodePulse(handle, 4000), VELTRA_PULSE_ACTIVE_MS);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ValueTest,
    ::testing::Values(ValueCase{"Double", "InputVoltage", VELTRA_STATUS_OK, 1, 230.5},
                      ValueCase{"Null", "MinInputVoltage", VELTRA_NODE_UNAVAILABLE, 1, 0.0},
                      ValueCase{"Integer", "MaxInputVoltage", VELTRA_NODE_UNAVAILABLE, 1, 0.0},
                      ValueCase{"DoubleInArray", "OutputVoltage", VELTRA_NODE_UNAVAILABLE, 1, 0.0},
                      ValueCase{"Absent", "OutputLoad", VELTRA_NODE_UNAVAILABLE, 1, 0.0}),
    CaseName());

TEST_F(ValueTest, TheValueTravelsAsLittleEndianBytesAtOffset10) {
  ASSERT_EQ(module().InitNodes(), 1);
  const Record value = module().NodeGetValue(connect("InputVoltage"));
  ASSERT_TRUE(value);
  const unsigned char expected[18] = {18, 0, 0, 0, 1, 0, 0,    0,    0,
                                      1,  0, 0, 0, 0, 0, 0xD0, 0x6C, 0x40};
  EXPECT_EQ(std::memcmp(value.get(), expected, sizeof expected), 0);
}

TEST_F(ValueTest, UnknownHandlesAndDisconnectedNodes) {
  ASSERT_EQ(module().InitNodes(), 1);
  for (const veltra_handle handle : {-1, 99, 112, INT32_MIN, INT32_MAX}) {
    const Record value = module().NodeGetValue(handle);
    ASSERT_TRUE(value);
    EXPECT_EQ(veltra_value_status(value.get()), VELTRA_INVALID_HANDLE);
    EXPECT_EQ(veltra_value_type(value.get()), VELTRA_TYPE_NONE);
    EXPECT_EQ(veltra_value_double(value.get()), 0.0);
    EXPECT_EQ(module().NodePulse(handle, 0), VELTRA_PULSE_IDLE_MS);
  }

  // Never connected, then connected and disconnected: unavailable, and polled hourly.
  EXPECT_EQ(veltra_value_status(module().NodeGetValue(101).get()), VELTRA_NODE_UNAVAILABLE);
  const veltra_handle handle = connect("InputVoltage");
  EXPECT_EQ(veltra_value_status(module().NodeGetValue(handle).get()), VELTRA_STATUS_OK);
  EXPECT_EQ(module().NodeDisconnect(handle), 1);
  const Record after = module().NodeGetValue(handle);
  EXPECT_EQ(veltra_value_status(after.get()), VELTRA_NODE_UNAVAILABLE);
  EXPECT_EQ(veltra_value_type(after.get()), VELTRA_TYPE_DOUBLE);
  EXPECT_EQ(module().NodePulse(handle, 4000), VELTRA_PULSE_IDLE_MS);
  EXPECT_EQ(module().NodeDisconnect(-1), 1);
}

TEST_F(ValueTest, WithoutARepositoryEveryNodeIsUnavailable) {
  RepositoryFile::pointAt(sourceFile("tests/fixtures/no-such-file.mof"));
  ASSERT_EQ(module().InitNodes(), 1);
  const veltra_handle handle = connect("InputVoltage");
  EXPECT_EQ(veltra_value_status(module().NodeGetValue(handle).get()), VELTRA_NODE_UNAVAILABLE);
  EXPECT_EQ(module().NodePulse(handle, 4000), VELTRA_PULSE_ACTIVE_MS);
}

TEST_F(ValueTest, ReinitialisingStartsANewGeneration) {
  ASSERT_EQ(module().InitNodes(), 1);
  const veltra_handle old = connect("InputVoltage");
  EXPECT_EQ(old, 100);

  ASSERT_EQ(module().InitNodes(), 1);
  const char* const keys[] = {"InputVoltage",   "MinInputVoltage", "MaxInputVoltage",
                              "OutputVoltage",  "OutputLoad",      "OutputFreq",
                              "BatteryTemp",    "BatteryVolt",     "HumidityProbe1",
                              "HumidityProbe2", "TempProbe1",      "TempProbe2"};
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(connect(keys[i]), 112 + i) << keys[i];

  // Handles from before name nothing now.
  EXPECT_EQ(veltra_value_status(module().NodeGetValue(old).get()), VELTRA_INVALID_HANDLE);
  EXPECT_FALSE(module().GetNodeAttributes(old));
  EXPECT_EQ(module().NodePulse(old, 0), VELTRA_PULSE_IDLE_MS);
  EXPECT_EQ(veltra_value_status(module().NodeGetValue(112).get()), VELTRA_STATUS_OK);
}

TEST_F(ValueTest, EachLoadOfTheModuleStartsAt100) {
  // Every test loads the module afresh; this one proves the unload really happened.
  ASSERT_EQ(module().InitNodes(), 1);
  EXPECT_EQ(connect("InputVoltage"), 100);
}

}  // namespace
}  // namespace veltra::testing
