#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "case_name.h"
#include "cim_service.h"
#include "module_fixture.h"
#include "platform/hresult.h"
#include "repository_file.h"
#include "trace_capture.h"
#include "wmi/cim_requester.h"
#include "wmi/com_setup.h"

namespace veltra::wmi {
namespace {

using platform::FaultPoint;
using testing::RepositoryFile;
using testing::TraceCapture;
using testing::upsRepository;

class CimRequesterTest : public testing::ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    ASSERT_EQ(ensureComReady(), 1);
  }
  void TearDown() override {
    EXPECT_FALSE(requester.holdsInterfaces());
    EXPECT_EQ(cim_live_objects(), 0);
    ModuleTest::TearDown();
  }
  CimRequester requester;
};

const char kReadings[] = "UPSInputVolt = 230.5; Counter = 7; Samples = {1.5, 2.5};";

struct ReadCase {
  const char* name;
  const char16_t* property;
  std::optional<std::string> repository;  // none: the variable is unset
  std::int32_t result;
  const char* failureLine;  // the trace line that says why, if any
};
VELTRA_PRINT_CASE_BY_NAME(ReadCase)

class ReadTest : public CimRequesterTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadTest, ResultCodeAndItsTrace) {
  const ReadCase& c = GetParam();
  std::optional<RepositoryFile> file;
  if (c.repository) file.emplace(*c.repository);
  if (!c.repository) RepositoryFile::pointAt(std::nullopt);

  TraceCapture capture;
  double value = -1.0;
  EXPECT_EQ(requester.GetPropertyValue(c.property, value), c.result);
  EXPECT_EQ(value, c.result == REQ_OK ? 230.5 : -1.0);
  if (c.failureLine != nullptr) {
    EXPECT_TRUE(capture.contains(c.failureLine)) << c.failureLine;
  }
}

const ReadCase kReadCases[] = {
    {"Double", u"UPSInputVolt", upsRepository(kReadings), REQ_OK, nullptr},
    {"CaseOfThePropertyName", u"upsinputvolt", upsRepository(kReadings), REQ_OK, nullptr},
    {"Null", u"UPSMinInputVolt", upsRepository(kReadings), REQ_NO_PROPERTY,
     "getPropertyValue: variant is NULL"},
    {"Integer", u"Counter", upsRepository(kReadings), REQ_NO_PROPERTY,
     "getPropertyValue: unexpected type returned (3)"},
    {"DoubleInsideAnArray", u"Samples", upsRepository(kReadings), REQ_NO_PROPERTY,
     "getPropertyValue: unexpected type returned (8197)"},
    {"Absent", u"NoSuchProperty", upsRepository(kReadings), REQ_NO_PROPERTY,
     "getPropertyValue: Could not get property . NoSuchPropertyError code = 0x80041002"},
    {"NoInstanceZero", u"UPSInputVolt", upsRepository("UPSInputVolt = 1;", 1), REQ_NO_INSTANCE,
     "getInstance: Could not get instance. Error code = 0x80041002"},
    {"NoClass", u"UPSInputVolt", std::string("#pragma namespace(\"\\\\\\\\.\\\\root\\\\cimv2\")\n"),
     REQ_NO_INSTANCE, "getInstance: Could not get instance. Error code = 0x80041010"},
    {"RejectedRepository", u"UPSInputVolt", upsRepository("UPSInputVolt = ;"), REQ_NO_INSTANCE,
     nullptr},
    {"NoRepositoryFile", u"UPSInputVolt", std::nullopt, REQ_NO_INSTANCE, nullptr},
};

INSTANTIATE_TEST_SUITE_P(Repositories, ReadTest, ::testing::ValuesIn(kReadCases),
                         testing::CaseName());

TEST_F(CimRequesterTest, ASuccessfulReadTracesEachStep) {
  RepositoryFile file(upsRepository(kReadings));
  TraceCapture capture;
  double value = 0;
  ASSERT_EQ(requester.GetPropertyValue(u"UPSInputVolt", value), REQ_OK);
  EXPECT_EQ(capture.lines(), (std::vector<std::string>{
                                 "GetPropertyValue IN=UPSInputVolt",
                                 "openConnection",
                                 "getInstance ",
                                 "getPropertyValue ",
                                 "closeConnection",
                                 "GetPropertyValue OUT=UPSInputVolt return=0",
                             }));
}

struct StepFailure {
  const char* name;
  FaultPoint point;
  unsigned nth;
  std::int32_t result;
  const char* line;
};
VELTRA_PRINT_CASE_BY_NAME(StepFailure)

class StepFailureTest : public CimRequesterTest,
                        public ::testing::WithParamInterface<StepFailure> {};

// Each WMI step that fails gives its own result code, and everything acquired is released.
TEST_P(StepFailureTest, FailingStepGivesItsCode) {
  const StepFailure& c = GetParam();
  RepositoryFile file(upsRepository(kReadings));
  platform::armFault(c.point, c.nth, static_cast<std::int32_t>(0x80041003));
  TraceCapture capture;
  double value = -1.0;
  EXPECT_EQ(requester.GetPropertyValue(u"UPSInputVolt", value), c.result);
  EXPECT_EQ(value, -1.0);
  EXPECT_TRUE(capture.contains(c.line)) << c.line;
  EXPECT_EQ(capture.lines().back(),
            "GetPropertyValue OUT=UPSInputVolt return=" + std::to_string(c.result));
}

const StepFailure kStepFailures[] = {
    {"Locator", FaultPoint::kCreateLocator, 1, REQ_NO_LOCATOR,
     "openConnection: Failed to create IWbemLocator object. Error code = 0x80041003"},
    {"Namespace", FaultPoint::kConnectServer, 1, REQ_NO_NAMESPACE,
     "openConnection: Could not connect to namespace. Error code = 0x80041003"},
    {"Blanket", FaultPoint::kSetProxyBlanket, 1, REQ_NO_BLANKET,
     "openConnection: Could not set proxy security blanket. Error code = 0x80041003"},
    {"Instance", FaultPoint::kGetObject, 1, REQ_NO_INSTANCE,
     "getInstance: Could not get instance. Error code = 0x80041003"},
    {"Property", FaultPoint::kGetProperty, 1, REQ_NO_PROPERTY,
     "getPropertyValue: Could not get property . UPSInputVoltError code = 0x80041003"},
    // COM strings that cannot be made fail the step they were made for.
    {"NamespaceString", FaultPoint::kComString, 1, REQ_NO_NAMESPACE,
     "openConnection: Could not connect to namespace. Error code = 0x8007000e"},
    {"PathString", FaultPoint::kComString, 2, REQ_NO_INSTANCE,
     "getInstance: Could not get instance. Error code = 0x8007000e"},
    {"PropertyString", FaultPoint::kComString, 3, REQ_NO_PROPERTY,
     "getPropertyValue: Could not get property . UPSInputVoltError code = 0x8007000e"},
};

INSTANTIATE_TEST_SUITE_P(Steps, StepFailureTest, ::testing::ValuesIn(kStepFailures),
                         testing::CaseName());

TEST_F(CimRequesterTest, NoPropertyNameAndNoComTouchNothing) {
  TraceCapture capture;
  double value = -1.0;
  EXPECT_EQ(requester.GetPropertyValue(nullptr, value), REQ_NULL_PROPERTY);
  EXPECT_EQ(capture.lines(), std::vector<std::string>{"GetPropertyValue IN=NULL property"});

  resetComSetupForTesting();
  EXPECT_EQ(requester.GetPropertyValue(u"UPSInputVolt", value), REQ_NO_COM);
  EXPECT_EQ(platform::faultCalls(FaultPoint::kCreateLocator), 0u);
  EXPECT_EQ(value, -1.0);
}

TEST_F(CimRequesterTest, EveryReadIsFresh) {
  RepositoryFile file(upsRepository("UPSInputVolt = 230.5;"));
  double value = 0;
  ASSERT_EQ(requester.GetPropertyValue(u"UPSInputVolt", value), REQ_OK);
  file.rewrite(upsRepository("UPSInputVolt = 198.25;"));
  ASSERT_EQ(requester.GetPropertyValue(u"UPSInputVolt", value), REQ_OK);
  EXPECT_EQ(value, 198.25);
}

}  // namespace
}  // namespace veltra::wmi
