#include "platform/debug_output.h"

#include <cstdio>

namespace veltra::platform {

void writeDebugLine(const char* line) noexcept {
  std::fprintf(stderr, "veltra: %s\n", line);
}

}  // namespace veltra::platform
