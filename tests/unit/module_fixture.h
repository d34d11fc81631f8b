// A freshly loaded module for each test: the process-wide state a load would give (lock created,
// handle counter at 100, COM not yet set up, no fault armed), and an unload afterwards.
#pragma once

#include <gtest/gtest.h>

#include "catalogue/attribute.h"
#include "platform/fault_points.h"
#include "plugin/library_entry.h"
#include "veltra/veltra.h"
#include "wmi/com_setup.h"

namespace veltra::testing {

class ModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::disarmFaults();
    catalogue::resetHandleCounterForTesting();
    wmi::resetComSetupForTesting();
    plugin::libraryEntry(plugin::LoadReason::kProcessAttach);
  }
  void TearDown() override {
    platform::disarmFaults();
    TermNodes();
    plugin::libraryEntry(plugin::LoadReason::kProcessDetach);
  }
};

}  // namespace veltra::testing
