// Reading a QueryPath, the record by which the host names the module's root (one member) or a
// node under it (two members). The host owns it; the module reads only the member count and the
// offset of the one member it needs.
#pragma once

#include <cstdint>

namespace veltra::catalogue {

enum class PathMember { kRootId = 0, kNodeKey = 1 };

// The path's member count. `path` must not be null.
std::int32_t queryPathMembers(const unsigned char* path) noexcept;

// Where the text of `member` begins, or null when the path cannot carry it: null path, a member
// count other than the member's own path length, or an offset that is negative or points back
// into the fields read to find it.
const unsigned char* queryPathMemberText(const unsigned char* path, PathMember member) noexcept;

// Module texts compared as keys are: letters A to Z match either case, every other byte must be
// equal, whatever the locale.
bool keysEqual(const char* left, const char* right) noexcept;

}  // namespace veltra::catalogue
