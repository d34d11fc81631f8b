#include "host_fixture.h"

namespace veltra::testing {

std::string sourceFile(const std::string& relative) {
  return std::string(VELTRA_SOURCE_DIR) + "/" + relative;
}

}  // namespace veltra::testing
