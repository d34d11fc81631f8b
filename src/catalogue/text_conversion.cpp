#include "catalogue/text_conversion.h"

#include <limits>

namespace veltra::catalogue {

platform::HeapPtr<char> allocateModuleText(std::uint32_t length) noexcept {
  if (length == std::numeric_limits<std::uint32_t>::max()) return nullptr;
  return platform::heapAllocate<char>(std::size_t{length} + 1);
}

}  // namespace veltra::catalogue
