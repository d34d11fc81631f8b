#include "options.h"

#include <cstdlib>

namespace veltra::probe {

const char kUsage[] = R"(Usage: veltra-probe [--module PATH] [--watch [--polls N]] [--json]

Loads the veltra UPS module as a monitoring host does, connects each node under its root
VELTRA, reads every value once and prints what the module serves: key, display name, value
(in the module's own number format), status and the poll interval the module asks for.

  --module PATH  the module to load (default: the one beside this program)
  --watch        keep polling at the interval the module asks for, until interrupted
  --polls N      with --watch, stop after N polls
  --json         print the readings as JSON, one object per poll
  --help         show this text

On Linux the module reads the MOF repository named by VELTRA_CIM_REPOSITORY; when that is not
set, the probe points it at the sample repository ups.mof beside it (or in the source tree).

Exit status: 0 every node was read; 1 some node is unavailable; 2 the module could not be
loaded or initialised, or the command line is wrong.
)";

std::optional<Options> parseOptions(const std::vector<std::string>& arguments, std::string& error) {
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--help" || argument == "-h") {
      options.help = true;
    } else if (argument == "--watch") {
      options.watch = true;
    } else if (argument == "--json") {
      options.json = true;
    } else if (argument == "--module" && hasValue) {
      options.modulePath = arguments[++i];
    } else if (argument == "--polls" && hasValue) {
      char* end = nullptr;
      const unsigned long polls = std::strtoul(arguments[++i].c_str(), &end, 10);
      if (*end != '\0' || polls == 0 || polls > 1000000) {
        error = "--polls needs a whole number from 1 to 1000000";
        return std::nullopt;
      }
      options.polls = static_cast<unsigned>(polls);
    } else if (argument == "--module" || argument == "--polls") {
      error = argument + " needs a value";
      return std::nullopt;
    } else {
      error = "unknown argument '" + argument + "'";
      return std::nullopt;
    }
  }
  if (options.polls != 0 && !options.watch) {
    error = "--polls goes with --watch";
    return std::nullopt;
  }
  return options;
}

}  // namespace veltra::probe
