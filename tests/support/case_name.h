// Names parameterised test cases after the `name` field of their case, so names stay readable
// and stable.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace veltra::testing {

struct CaseName {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& param) const {
    return param.param.name;
  }
};

}  // namespace veltra::testing
