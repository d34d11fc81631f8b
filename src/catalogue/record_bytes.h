// Little-endian fields at byte offsets of a packed host record.
//
// Records have no alignment, so a 32-bit field may start at an odd offset. Each store writes the
// bytes one by one in little-endian order, whatever the byte order of the machine; nothing casts
// a struct over a record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace veltra::catalogue {

inline void put8(unsigned char* record, std::size_t offset, std::uint8_t value) noexcept {
  record[offset] = value;
}

inline void put32(unsigned char* record, std::size_t offset, std::uint32_t value) noexcept {
  for (std::size_t i = 0; i < 4; ++i) {
    record[offset + i] = static_cast<unsigned char>(value >> (8 * i));
  }
}

inline void putDouble(unsigned char* record, std::size_t offset, double value) noexcept {
  static_assert(sizeof(double) == 8, "records carry IEEE 754 doubles");
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  for (std::size_t i = 0; i < 8; ++i) {
    record[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
  }
}

inline std::int32_t getInt32(const unsigned char* record, std::size_t offset) noexcept {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace veltra::catalogue
