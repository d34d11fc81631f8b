// The probe's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veltra::probe {

struct Options {
  std::string modulePath;  // empty: the module built beside the probe
  bool watch = false;
  unsigned polls = 0;  // with watch: stop after this many polls; 0 polls until interrupted
  bool json = false;
  bool help = false;
};

// Parses the arguments after the program name. On a mistake, `error` says what is wrong.
std::optional<Options> parseOptions(const std::vector<std::string>& arguments, std::string& error);

extern const char kUsage[];

}  // namespace veltra::probe
