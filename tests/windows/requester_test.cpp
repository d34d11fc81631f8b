// The requester's result codes, read through the module's real COM and WMI code (linked in
// directly) from each kind of WMI the test prefix can have registered: the test WMI service, Wine's
// own WMI service, and none at all. A suite whose registration is not in place skips itself; CTest
// runs this program once under each.
#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "scoped_environment.h"
#include "wmi/cim_requester.h"
#include "wmi/com_setup.h"
#include "wmi_registration.h"

namespace veltra::testing {
namespace {

using wmi::CimRequester;

constexpr double kUntouched = -1.0;

std::string fixture(const char* name) {
  return std::string(VELTRA_SOURCE_DIR) + "/tests/fixtures/" + name;
}

template <WmiRegistration kNeeded>
class Under : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_EQ(wmi::ensureComReady(), 1); }
  void SetUp() override {
    if (currentWmiRegistration() != kNeeded) {
      GTEST_SKIP() << "needs another WMI registration; now " << describeWmiRegistration();
    }
  }

  // One read with a fresh requester, which must hold nothing once it has answered.
  std::int32_t read(const char16_t* property, double& value) {
    CimRequester requester;
    const std::int32_t result = requester.GetPropertyValue(property, value);
    EXPECT_FALSE(requester.holdsInterfaces());
    return result;
  }
};

using TestService = Under<WmiRegistration::kTestService>;
using WineService = Under<WmiRegistration::kWineService>;
using Unregistered = Under<WmiRegistration::kNone>;

struct ReadCase {
  const char* name;
  const char* repository;   // a fixture file name
  const char* failingStep;  // what the test service is told to fail, or null
  const char16_t* property;
  std::int32_t result;
};
VELTRA_PRINT_CASE_BY_NAME(ReadCase)

class TestServiceReads : public TestService, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(TestServiceReads, ResultCode) {
  const ReadCase& c = GetParam();
  const ScopedEnvironment repository("VELTRA_CIM_REPOSITORY", fixture(c.repository).c_str());
  const ScopedEnvironment failing("VELTRA_TEST_WMI_FAIL", c.failingStep);
  double value = kUntouched;
  EXPECT_EQ(read(c.property, value), c.result);
  EXPECT_EQ(value, kUntouched) << "a failed read wrote the value";
}

INSTANTIATE_TEST_SUITE_P(
    Codes, TestServiceReads,
    ::testing::Values(
        ReadCase{"NullProperty", "ups-gaps.mof", nullptr, u"UPSMinInputVolt", wmi::REQ_NO_PROPERTY},
        ReadCase{"IntegerProperty", "ups-gaps.mof", nullptr, u"UPSMaxInputVolt",
                 wmi::REQ_NO_PROPERTY},
        ReadCase{"DoubleInsideAnArray", "ups-gaps.mof", nullptr, u"UPSOutputVolt",
                 wmi::REQ_NO_PROPERTY},
        ReadCase{"AbsentProperty", "ups-gaps.mof", nullptr, u"UPSOutputLoad", wmi::REQ_NO_PROPERTY},
        ReadCase{"NoClass", "no-such-file.mof", nullptr, u"UPSInputVolt", wmi::REQ_NO_INSTANCE},
        ReadCase{"ConnectionRefused", "ups-gaps.mof", "ConnectServer", u"UPSInputVolt",
                 wmi::REQ_NO_NAMESPACE},
        ReadCase{"BlanketRefused", "ups-gaps.mof", "SetBlanket", u"UPSInputVolt",
                 wmi::REQ_NO_BLANKET}),
    CaseName());

TEST_F(TestService, ReadsADouble) {
  const ScopedEnvironment repository("VELTRA_CIM_REPOSITORY", fixture("ups-gaps.mof").c_str());
  double value = kUntouched;
  EXPECT_EQ(read(u"UPSInputVolt", value), wmi::REQ_OK);
  EXPECT_EQ(value, 230.5);
  EXPECT_EQ(read(u"MUPSProbe2Temp", value), wmi::REQ_OK);
  EXPECT_EQ(value, 24.0);
}

TEST_F(TestService, EachReadSeesTheFileAsItIsNow) {
  // Nothing is cached: a repository that loses its class fails the next read.
  double value = kUntouched;
  {
    const ScopedEnvironment repository("VELTRA_CIM_REPOSITORY", fixture("ups-gaps.mof").c_str());
    EXPECT_EQ(read(u"UPSInputVolt", value), wmi::REQ_OK);
  }
  const ScopedEnvironment repository("VELTRA_CIM_REPOSITORY", fixture("no-such-file.mof").c_str());
  EXPECT_EQ(read(u"UPSInputVolt", value), wmi::REQ_NO_INSTANCE);
}

TEST_F(WineService, HasNoUpsClass) {
  // Wine's WMI connects and takes the blanket, but publishes no APC_UMSData.
  double value = kUntouched;
  EXPECT_EQ(read(u"UPSInputVolt", value), wmi::REQ_NO_INSTANCE);
  EXPECT_EQ(value, kUntouched);
}

TEST_F(Unregistered, NoLocatorCanBeCreated) {
  double value = kUntouched;
  EXPECT_EQ(read(u"UPSInputVolt", value), wmi::REQ_NO_LOCATOR);
  EXPECT_EQ(value, kUntouched);
}

}  // namespace
}  // namespace veltra::testing
