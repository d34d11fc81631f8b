// The host's text library, which converts between module text and the host's own encoding.
//
// Both calls take (source, destination or null, capacity in bytes, selector, flag) and answer a
// length in bytes. A null destination with capacity 0 measures; otherwise the call converts
// into at most `capacity` bytes.
#pragma once

#include <cstdint>

namespace veltra::platform {

std::uint32_t toLocalText(const void* hostText, char* destination, std::uint32_t capacity,
                          std::int32_t selector, std::int32_t flag) noexcept;

std::uint32_t toHostText(const char* moduleText, void* destination, std::uint32_t capacity,
                         std::int32_t selector, std::int32_t flag) noexcept;

}  // namespace veltra::platform
