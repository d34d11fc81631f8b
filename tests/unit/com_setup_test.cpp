#include <gtest/gtest.h>

#include "case_name.h"
#include "module_fixture.h"
#include "platform/hresult.h"
#include "wmi/com_setup.h"

namespace veltra::wmi {
namespace {

using platform::FaultPoint;
namespace hr = platform::hresult;

struct SetUpCase {
  const char* name;
  std::int32_t initialize;  // what joining the apartment answers
  std::int32_t security;    // what setting process security answers
  std::int32_t ready;
  unsigned securityCalls;
};
VELTRA_PRINT_CASE_BY_NAME(SetUpCase)

class ComSetupTest : public testing::ModuleTest, public ::testing::WithParamInterface<SetUpCase> {};

TEST_P(ComSetupTest, OutcomeOfTheFirstSetUpStandsForTheProcess) {
  const SetUpCase& c = GetParam();
  platform::armFault(FaultPoint::kComInitialize, 1, c.initialize);
  platform::armFault(FaultPoint::kProcessSecurity, 1, c.security);

  EXPECT_EQ(ensureComReady(), c.ready);
  EXPECT_EQ(comReady(), c.ready == 1);
  EXPECT_EQ(platform::faultCalls(FaultPoint::kProcessSecurity), c.securityCalls);

  // Never tried again: later calls answer the same without reaching COM.
  EXPECT_EQ(ensureComReady(), c.ready);
  EXPECT_EQ(InitNodes(), c.ready);
  EXPECT_EQ(platform::faultCalls(FaultPoint::kComInitialize), 1u);
}

const SetUpCase kCases[] = {
    {"Fresh", hr::kOk, hr::kOk, 1, 1},
    {"ThreadAlreadyInTheApartment", hr::kFalse, hr::kOk, 1, 1},
    {"ThreadInASingleThreadedApartment", hr::kChangedMode, hr::kOk, 1, 1},
    {"HostAlreadySetSecurity", hr::kOk, hr::kTooLate, 1, 1},
    {"HostSetBoth", hr::kChangedMode, hr::kTooLate, 1, 1},
    {"InitializeFails", hr::kOutOfMemory, hr::kOk, 0, 0},
    {"InitializeFailsPlainly", hr::kFail, hr::kOk, 0, 0},
    {"SecurityFails", hr::kOk, static_cast<std::int32_t>(0x80070005), 0, 1},
    {"SecurityFailsPlainly", hr::kFalse, hr::kFail, 0, 1},
};

INSTANTIATE_TEST_SUITE_P(Outcomes, ComSetupTest, ::testing::ValuesIn(kCases), testing::CaseName());

}  // namespace
}  // namespace veltra::wmi
