// QueryPath records as a host builds them, for tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "veltra_module.h"

namespace veltra::testing {

using Bytes = std::vector<unsigned char>;

// A path naming the root: one member, the root id.
inline Bytes rootPath(const std::string& rootId) {
  return host::queryPath(rootId);
}

// A path naming a node under the root: two members, the root id and the key.
inline Bytes nodePath(const std::string& key, const std::string& rootId = "VELTRA") {
  return host::queryPath(rootId, key);
}

// A path with the given raw fields, its text at byte 23.
inline Bytes rawPath(std::int32_t members, std::int32_t offset0, std::int32_t offset1,
                     const std::string& text = "InputVoltage") {
  Bytes path(23 + text.size() + 1, 0);
  const auto put = [&path](std::size_t at, std::int32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
      path[at + i] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * i));
    }
  };
  put(11, members);
  put(15, offset0);
  put(19, offset1);
  std::copy(text.begin(), text.end(), path.begin() + 23);
  return path;
}

}  // namespace veltra::testing
