// Which WMI service the test Wine prefix has registered as the WbemLocator class, as this
// process's registry view sees it. CTest switches the registration between runs of the suites
// (see wmi_configurations.cmake); each suite checks it before trusting it.
#pragma once

#include <string>

namespace veltra::testing {

enum class WmiRegistration {
  kTestService,  // our veltra_test_wmi.dll, serving the MOF file of VELTRA_CIM_REPOSITORY
  kWineService,  // Wine's own WMI
  kNone,         // no in-process server registered for the class at all
  kOther,
};

WmiRegistration currentWmiRegistration();

// What the registry says, for a skip message.
std::string describeWmiRegistration();

}  // namespace veltra::testing
