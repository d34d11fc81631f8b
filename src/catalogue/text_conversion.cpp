#include "catalogue/text_conversion.h"

#include <limits>

#include "platform/host_text.h"

namespace veltra::catalogue {
namespace {

// The host's library knows which conversion is meant by this selector and flag.
constexpr std::int32_t kSelector = 42;
constexpr std::int32_t kFlag = 0;

}  // namespace

std::uint32_t measureHostText(const char* moduleText) noexcept {
  return platform::toHostText(moduleText, nullptr, 0, kSelector, kFlag);
}

void writeHostText(const char* moduleText, unsigned char* destination,
                   std::uint32_t length) noexcept {
  // The length the converting call answers is not used: every offset rests on the measure.
  platform::toHostText(moduleText, destination, length, kSelector, kFlag);
}

std::uint32_t measureLocalText(const void* hostText) noexcept {
  return platform::toLocalText(hostText, nullptr, 0, kSelector, kFlag);
}

platform::HeapPtr<char> allocateModuleText(std::uint32_t length) noexcept {
  if (length == std::numeric_limits<std::uint32_t>::max()) return nullptr;
  return platform::heapAllocate<char>(std::size_t{length} + 1);
}

void readLocalText(const void* hostText, char* destination, std::uint32_t length) noexcept {
  platform::toLocalText(hostText, destination, length, kSelector, kFlag);
}

}  // namespace veltra::catalogue
