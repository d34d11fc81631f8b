// The module's string table on Windows: the STRINGTABLE resource of veltra.dll, compiled from the
// same list the Linux build compiles in.
#include "platform/string_table.h"

#include <climits>

#include "platform/win/windows_headers.h"

namespace veltra::platform {

std::size_t loadModuleString(unsigned id, char* buffer, std::size_t capacity) noexcept {
  if (capacity == 0) return 0;
  buffer[0] = '\0';
  // Found by file name, as the host loaded it. Without it, answer nothing: LoadStringA with a
  // null module would read the host program's own table.
  HMODULE module = GetModuleHandleA("veltra.dll");
  if (module == nullptr) return 0;
  const int room = capacity > INT_MAX ? INT_MAX : static_cast<int>(capacity);
  const int length = LoadStringA(module, id, buffer, room);
  if (length <= 0) {
    buffer[0] = '\0';
    return 0;
  }
  return static_cast<std::size_t>(length);
}

}  // namespace veltra::platform
