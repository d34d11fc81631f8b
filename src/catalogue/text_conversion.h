// Texts crossing to and from the host's encoding through the host's text library, always in two
// calls: measure, then convert into exactly the measured length.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/heap.h"

namespace veltra::catalogue {

// Length in bytes of `moduleText` in the host's encoding, as the library measures it.
std::uint32_t measureHostText(const char* moduleText) noexcept;

// Converts `moduleText` into the `length` bytes at `destination` (a length just measured).
void writeHostText(const char* moduleText, unsigned char* destination,
                   std::uint32_t length) noexcept;

// Length in bytes of `hostText` once converted to module text, as the library measures it.
std::uint32_t measureLocalText(const void* hostText) noexcept;

// A zero-filled buffer for a module text measured as `length`: length + 1 bytes, so the text is
// always terminated. Null when it cannot be had: the heap is out, or the measured length leaves
// no room for the terminator.
platform::HeapPtr<char> allocateModuleText(std::uint32_t length) noexcept;

// Converts `hostText` into the buffer just allocated for its measured `length`.
void readLocalText(const void* hostText, char* destination, std::uint32_t length) noexcept;

}  // namespace veltra::catalogue
