// Trace lines of a developer build go to the debugger (DebugView, or WINEDEBUG=+debugstr).
#include "platform/debug_output.h"

#include "platform/win/windows_headers.h"

namespace veltra::platform {

void writeDebugLine(const char* line) noexcept {
  OutputDebugStringA("veltra: ");
  OutputDebugStringA(line);
  OutputDebugStringA("\n");
}

}  // namespace veltra::platform
