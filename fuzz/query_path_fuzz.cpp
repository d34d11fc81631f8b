// Feeds QueryPath records made of arbitrary bytes to GetNodeList and NodeConnect: any member
// count, member offsets anywhere inside the record (or negative, or back into the fields read),
// texts of any bytes. Like a host's path, the record ends with a zero byte, so a text always
// ends inside it; an offset past the end is folded back inside, as a host never points outside
// its own record.
//
// GetNodeList must give the whole list for any path, and NodeConnect must connect exactly the
// node whose key the path's second member spells (letters A-Z in either case), else give 0, -1
// and 0. Every trace line, root ids of any length included, must fit its buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "catalogue/catalogue_table.h"
#include "catalogue/record_bytes.h"
#include "plugin/library_entry.h"
#include "support/trace.h"
#include "veltra/veltra.h"

namespace {

using veltra::catalogue::getInt32;
using veltra::catalogue::kCatalogue;
using veltra::catalogue::kNodeCount;

void require(bool condition) {
  if (!condition) std::abort();
}

void checkLine(const void*, const char* line) {
  require(std::strlen(line) < veltra::support::kTraceLineCapacity);
}

// Folds a non-negative offset at `field` back inside a record of `size` bytes.
void keepInside(std::vector<unsigned char>& path, std::size_t field) {
  const std::int32_t offset = getInt32(path.data(), field);
  if (offset < 0 || static_cast<std::size_t>(offset) < path.size()) return;
  veltra::catalogue::put32(
      path.data(), field,
      static_cast<std::uint32_t>(static_cast<std::size_t>(offset) % path.size()));
}

// The slot whose key `text` spells, or -1.
int slotNamed(const char* text) {
  for (std::size_t slot = 0; slot < kNodeCount; ++slot) {
    const char* key = kCatalogue[slot].key;
    std::size_t i = 0;
    for (;; ++i) {
      const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
      const auto a = static_cast<unsigned char>(text[i]);
      if (fold(a) != fold(static_cast<unsigned char>(key[i]))) break;
      if (a == '\0') return static_cast<int>(slot);
    }
  }
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  veltra::plugin::libraryEntry(veltra::plugin::LoadReason::kProcessAttach);
  veltra::support::setTraceSink(&checkLine);
  require(InitNodes() == 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The fields the module reads end at byte 23; shorter inputs are padded with zero bytes.
  std::vector<unsigned char> path(data, data + size);
  if (path.size() < 23) path.resize(23, 0);
  path.push_back(0);
  keepInside(path, 15);
  keepInside(path, 19);

  unsigned char* list = GetNodeList(path.data());
  require(list != nullptr);
  require(veltra_node_list_count(list) == 12);
  require(veltra_node_list_total_length(list) >= 17 + 12 * 21);
  FreeNodeList(list);

  const std::int32_t members = getInt32(path.data(), 11);
  const std::int32_t keyOffset = getInt32(path.data(), 19);
  const int slot = members == 2 && keyOffset >= 23
                       ? slotNamed(reinterpret_cast<const char*>(path.data() + keyOffset))
                       : -1;

  veltra_handle handle = -7;
  std::uint8_t type = 0xEE;
  const std::int32_t connected = NodeConnect(path.data(), &handle, &type);
  if (slot == -1) {
    require(connected == 0 && handle == -1 && type == 0);
  } else {
    require(connected == 1 && handle == 100 + slot && type == 1);
    require(NodeDisconnect(handle) == 1);
  }
  return 0;
}
