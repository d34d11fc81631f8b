// Names parameterised test cases after the `name` field of their case, so names stay readable
// and stable.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace veltra::testing {

struct CaseName {
  template <typename Case>
  std::string operator()(const ::testing::TestParamInfo<Case>& param) const {
    return param.param.name;
  }
};

}  // namespace veltra::testing

// Prints a case by its name, for test names and failure messages; without it, gtest prints the
// case's raw bytes, padding included. Use after each parameter struct, in its namespace.
#define VELTRA_PRINT_CASE_BY_NAME(Case)                   \
  inline void PrintTo(const Case& c, std::ostream* out) { \
    *out << c.name;                                       \
  }
