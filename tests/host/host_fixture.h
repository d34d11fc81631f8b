// Each test loads the module afresh, by file name, exactly as a host does, and unloads it after.
// The module is the one built beside the test program unless VELTRA_TEST_MODULE names another.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "veltra_module.h"

namespace veltra::testing {

using host::Record;
using host::VeltraModule;

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* named = std::getenv("VELTRA_TEST_MODULE");
    std::string error;
    module_ = VeltraModule::load(named != nullptr ? named : VeltraModule::defaultPath(), error);
    ASSERT_NE(module_, nullptr) << error;
  }
  void TearDown() override {
    if (module_) module_->TermNodes();
    module_.reset();
  }

  const VeltraModule& module() const { return *module_; }

  // Connects the node with `key`; the handle, or -1.
  veltra_handle connect(const std::string& key) const {
    veltra_handle handle = -2;
    std::uint8_t type = 0xFF;
    module().NodeConnect(host::queryPath("VELTRA", key).data(), &handle, &type);
    return handle;
  }

 private:
  std::unique_ptr<VeltraModule> module_;
};

// A file of this source tree's test fixtures or examples.
std::string sourceFile(const std::string& relative);

}  // namespace veltra::testing
