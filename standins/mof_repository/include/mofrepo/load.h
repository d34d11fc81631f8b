// Reading a repository from MOF text or from a MOF file.
//
// The MOF accepted is the part a WMI stand-in needs:
//   #pragma namespace("\\\\.\\root\\cimv2")      (other pragmas: see parser.cpp)
//   [qualifiers] class NAME { [key] uint32 Tag; real64 Volts; string Names[]; };
//   instance of NAME { Tag = 0; Volts = 230.5; Names = {"a", "b"}; };
// Property types: sint8, uint8, sint16, uint16, sint32, uint32, real32, real64, string, boolean,
// and arrays of them. Text may be UTF-8 (with or without a byte order mark) or UTF-16 with one.
// A file with any fault is rejected whole, with a message naming the file and the line.
#pragma once

#include <string>
#include <string_view>

#include "mofrepo/repository.h"

namespace mofrepo {

struct LoadResult {
  bool ok = false;
  std::string error;      // when not ok: "ups.mof:12: unknown class 'Foo'"
  Repository repository;  // empty when not ok
};

// Never throws other than std::bad_alloc.
LoadResult parseRepository(std::string_view text, std::string_view sourceName);

// A file that does not exist is an empty repository, not an error; one that cannot be read, or is
// larger than kMaxRepositoryFileSize, is an error. Messages name the file by `path`.
constexpr std::size_t kMaxRepositoryFileSize = 16u * 1024u * 1024u;
LoadResult loadRepositoryFile(const std::string& path);

}  // namespace mofrepo
