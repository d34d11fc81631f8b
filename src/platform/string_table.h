// The module's own string table, found through the module's file name.
#pragma once

#include <cstddef>

namespace veltra::platform {

// Copies string `id` of the module's string table into `buffer`, cut to `capacity` - 1 bytes
// and zero-terminated. Returns the number of bytes copied before the terminator: 0 when the
// table, the module or the id cannot be found.
std::size_t loadModuleString(unsigned id, char* buffer, std::size_t capacity) noexcept;

}  // namespace veltra::platform
