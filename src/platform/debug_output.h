// Where a developer build sends its trace lines: standard error, or the Windows debugger.
#pragma once

namespace veltra::platform {

void writeDebugLine(const char* line) noexcept;

}  // namespace veltra::platform
