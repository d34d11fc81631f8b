// Texts crossing to and from the host's encoding through the host's text library, always in two
// calls: measure, then convert into exactly the measured length. The one-line helpers are inline:
// a node list passes 48 texts through them, each on its way to the library.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/heap.h"
#include "platform/host_text.h"

namespace veltra::catalogue {

// The host's library knows which conversion is meant by this selector and flag.
constexpr std::int32_t kTextSelector = 42;
constexpr std::int32_t kTextFlag = 0;

// Length in bytes of `moduleText` in the host's encoding, as the library measures it.
inline std::uint32_t measureHostText(const char* moduleText) noexcept {
  return platform::toHostText(moduleText, nullptr, 0, kTextSelector, kTextFlag);
}

// Converts `moduleText` into the `length` bytes at `destination` (a length just measured). The
// length the converting call answers is not used: every offset rests on the measure.
inline void writeHostText(const char* moduleText, unsigned char* destination,
                          std::uint32_t length) noexcept {
  platform::toHostText(moduleText, destination, length, kTextSelector, kTextFlag);
}

// Length in bytes of `hostText` once converted to module text, as the library measures it.
inline std::uint32_t measureLocalText(const void* hostText) noexcept {
  return platform::toLocalText(hostText, nullptr, 0, kTextSelector, kTextFlag);
}

// A zero-filled buffer for a module text measured as `length`: length + 1 bytes, so the text is
// always terminated. Null when it cannot be had: the heap is out, or the measured length leaves
// no room for the terminator.
platform::HeapPtr<char> allocateModuleText(std::uint32_t length) noexcept;

// Converts `hostText` into the buffer just allocated for its measured `length`.
inline void readLocalText(const void* hostText, char* destination, std::uint32_t length) noexcept {
  platform::toLocalText(hostText, destination, length, kTextSelector, kTextFlag);
}

}  // namespace veltra::catalogue
