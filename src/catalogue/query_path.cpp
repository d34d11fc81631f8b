#include "catalogue/query_path.h"

#include "catalogue/record_bytes.h"
#include "catalogue/record_layout.h"

namespace veltra::catalogue {

std::int32_t queryPathMembers(const unsigned char* path) noexcept {
  return getInt32(path, query_path::kMembers);
}

const unsigned char* queryPathMemberText(const unsigned char* path, PathMember member) noexcept {
  const auto index = static_cast<std::size_t>(member);
  if (path == nullptr || queryPathMembers(path) != static_cast<std::int32_t>(index + 1)) {
    return nullptr;
  }
  const std::int32_t offset = getInt32(path, query_path::kMemberOffset[index]);
  if (offset < 0 || static_cast<std::size_t>(offset) < query_path::kFieldsEnd[index]) {
    return nullptr;
  }
  return path + offset;
}

bool keysEqual(const char* left, const char* right) noexcept {
  const auto fold = [](unsigned char c) -> unsigned char {
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
  };
  for (;; ++left, ++right) {
    const auto l = static_cast<unsigned char>(*left);
    const auto r = static_cast<unsigned char>(*right);
    if (fold(l) != fold(r)) return false;
    if (l == '\0') return true;
  }
}

}  // namespace veltra::catalogue
