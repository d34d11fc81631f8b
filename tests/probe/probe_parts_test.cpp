#include <gtest/gtest.h>

#include "options.h"
#include "session.h"

namespace veltra::probe {
namespace {

TEST(ProbeNumberFormat, HonoursOneFloatingConversionOnly) {
  struct Case {
    const char* format;
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {"%10.02f", 230.5, "    230.50"},
      {"%-8.1f", 2.25, "2.2     "},
      {"%.3e", 1234.5, "1.234e+03"},
      {"%g V", 230.5, "230.5 V"},
      {"%f", 1.0, "1.000000"},
      // Anything else is not trusted as a format: the value is shown plainly.
      {"%s", 230.5, "230.50"},
      {"%n%f", 230.5, "230.50"},
      {"%f%n", 230.5, "230.50"},
      {"%d", 230.5, "230.50"},
      {"", 230.5, "230.50"},
      {"%999999999.99999f", 1.0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    const std::string text = formatNumber(c.format, c.value);
    if (c.expected != nullptr) {
      EXPECT_EQ(text, c.expected);
    }
    EXPECT_LT(text.size(), 200u);
  }
}

TEST(ProbeOptions, ParsesAndRejects) {
  std::string error;
  const auto options =
      parseOptions({"--module", "m.so", "--watch", "--polls", "3", "--json"}, error);
  ASSERT_TRUE(options) << error;
  EXPECT_EQ(options->modulePath, "m.so");
  EXPECT_TRUE(options->watch);
  EXPECT_EQ(options->polls, 3u);
  EXPECT_TRUE(options->json);

  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--module"},
                                              {"--polls", "2"},
                                              {"--watch", "--polls", "0"},
                                              {"--watch", "--polls", "x"},
                                              {"extra"}}) {
    EXPECT_FALSE(parseOptions(bad, error));
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace veltra::probe
