// Whether a record the module returned is well-formed: every length, offset, format byte and
// fixed field where the record layout puts it, and nothing reaching past the record's length.
// Each check answers the problems it found, or an empty text for a well-formed record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veltra::testing {

std::string nodeListProblems(const unsigned char* list);
std::string attributesProblems(const unsigned char* attributes);
std::string valueProblems(const unsigned char* value);

// The attributes record the stand-in text library gives when the two format texts measure
// `firstLength` and `secondLength` bytes (each either its whole text, 8 bytes, or 0).
std::vector<unsigned char> attributesRecord(std::uint32_t firstLength, std::uint32_t secondLength);

}  // namespace veltra::testing
