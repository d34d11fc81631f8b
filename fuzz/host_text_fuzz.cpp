// Feeds the stand-in host text library texts of any bytes, with any selector and flag, and
// converts them into destinations of any capacity. Each destination is a heap block of exactly
// that capacity, so AddressSanitizer sees a single byte written past it.
//
// Both calls must measure the text with its zero byte (0 for an unknown selector or flag), and
// convert exactly the first min(measured, capacity) bytes of it, answering that many.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "kaldor32.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

std::uint32_t read32(const std::uint8_t* data) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i)
    value = value << 8 | data[i];
  return value;
}

template <typename Convert>
void measureAndConvert(Convert convert, const char* text, std::uint32_t wanted,
                       std::uint32_t capacitySeed, std::int32_t selector, std::int32_t flag) {
  const std::uint32_t measured = convert(text, nullptr, 0, selector, flag);
  require(measured == wanted);

  // Capacities around the measured length matter most; any other is as good as one of those.
  const std::uint32_t capacity = capacitySeed % (measured + 64);
  const std::unique_ptr<char[]> destination(new char[capacity == 0 ? 0 : capacity]);
  const std::uint32_t written = convert(text, destination.get(), capacity, selector, flag);
  require(written == std::min(measured, capacity));
  require(std::memcmp(destination.get(), text, written) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  const std::uint32_t capacitySeed = read32(data);
  // Mostly the selector and flag the module passes; sometimes others.
  const std::int32_t selector = data[4] < 200 ? 42 : static_cast<std::int8_t>(data[4]);
  const std::int32_t flag = data[5] < 200 ? 0 : static_cast<std::int8_t>(data[5]);

  // The text: the rest of the input, ended by a zero byte in a block of exactly its size.
  const std::size_t length = size - 6;
  const std::unique_ptr<char[]> text(new char[length + 1]);
  std::memcpy(text.get(), data + 6, length);
  text[length] = '\0';
  const bool known = selector == 42 && flag == 0;
  const auto wanted = known ? static_cast<std::uint32_t>(std::strlen(text.get()) + 1) : 0u;

  measureAndConvert(
      [](const char* source, char* destination, std::uint32_t capacity, std::int32_t s,
         std::int32_t f) { return toHostText(source, destination, capacity, s, f); },
      text.get(), wanted, capacitySeed, selector, flag);
  measureAndConvert(
      [](const char* source, char* destination, std::uint32_t capacity, std::int32_t s,
         std::int32_t f) { return toLocalText(source, destination, capacity, s, f); },
      text.get(), wanted, capacitySeed, selector, flag);
  return 0;
}
