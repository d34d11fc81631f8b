#include "failure_switch.h"

#include <windows.h>

#include <cstring>

namespace testwmi {

bool mustFail(const char* step) {
  char value[64] = {};
  const DWORD length = GetEnvironmentVariableA("VELTRA_TEST_WMI_FAIL", value, sizeof value);
  return length > 0 && length < sizeof value && std::strcmp(value, step) == 0;
}

}  // namespace testwmi
