// The module's string table on POSIX: compiled in from the same list the Windows resource uses.
#include "platform/string_table.h"

#include <cstdint>
#include <cstring>

#include "platform/fault_points.h"
#include "resources/string_table.h"

namespace veltra::platform {
namespace {

struct TableRow {
  unsigned id;
  const char* text;
};

#define VELTRA_TABLE_ROW(id, text) {id, text},
constexpr TableRow kTable[] = {VELTRA_STRING_TABLE(VELTRA_TABLE_ROW)};
#undef VELTRA_TABLE_ROW

}  // namespace

std::size_t loadModuleString(unsigned id, char* buffer, std::size_t capacity) noexcept {
  if (capacity == 0) return 0;
  buffer[0] = '\0';
  std::int32_t ignored = 0;
  if (faultFires(FaultPoint::kModuleStrings, ignored)) return 0;  // as if the table were absent
  for (const TableRow& row : kTable) {
    if (row.id != id) continue;
    std::size_t length = std::strlen(row.text);
    if (length >= capacity) length = capacity - 1;
    std::memcpy(buffer, row.text, length);
    buffer[length] = '\0';
    return length;
  }
  return 0;
}

}  // namespace veltra::platform
