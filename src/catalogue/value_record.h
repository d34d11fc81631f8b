// The NodeValueRecord: one reading of one node, or why there is none.
#pragma once

#include <cstdint>

namespace veltra::catalogue {

enum class ValueStatus : std::uint32_t {
  kValuePresent = 0,
  kInvalidHandle = 8,     // INVALID_HANDLE: no attribute has this handle
  kNodeUnavailable = 12,  // NODE_UNAVAILABLE: not connected, or the read failed
};

// A new 18-byte record from the process heap with its length and format written; the rest
// zero. Null when the heap is out.
unsigned char* newValueRecord() noexcept;

// Writes the status, the data type code and the value (written as given; zero unless present).
void setValue(unsigned char* record, ValueStatus status, std::uint8_t dataType,
              double value) noexcept;

}  // namespace veltra::catalogue
