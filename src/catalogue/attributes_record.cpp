// The NodeAttributesRecord: how the host should poll and show a node. The same for every node;
// the handle only has to name one.
#include <limits>

#include "catalogue/attribute_list.h"
#include "catalogue/record_bytes.h"
#include "catalogue/record_layout.h"
#include "catalogue/text_conversion.h"
#include "support/trace.h"

namespace veltra::catalogue {

using namespace node_attributes;

unsigned char* AttributeList::GetMetaData(std::int32_t handle) const noexcept {
  support::traceFormat("GetMetaData %ld", handle);
  if (getAttrIndex(handle) == -1) return nullptr;

  const std::uint32_t firstLength = measureHostText(kNumberFormat);
  const std::uint32_t secondLength = measureHostText(kNumberFormat);
  const std::uint64_t total = kFixedLength + std::uint64_t{firstLength} + secondLength;
  if (total > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
    return nullptr;
  }

  platform::HeapPtr<> record = platform::heapAllocate(static_cast<std::size_t>(total));
  if (!record) return nullptr;
  unsigned char* bytes = record.get();
  put32(bytes, kLengthField, static_cast<std::uint32_t>(total));
  put8(bytes, kFormatField, kFormat);
  put32(bytes, kReservedField, 0);
  put32(bytes, kPulseField, kPulse);
  put32(bytes, kMarkerField, kMarker);
  put32(bytes, kKindField, kKind);
  for (std::size_t i = 0; i < 4; ++i)
    put32(bytes, kZeroFields + 4 * i, 0);

  const std::uint32_t firstOffset = static_cast<std::uint32_t>(kTextsStart);
  const std::uint32_t secondOffset = firstOffset + firstLength;
  put32(bytes, kFirstTextOffsetField, firstLength != 0 ? firstOffset : 0);
  put32(bytes, kSecondTextOffsetField, secondLength != 0 ? secondOffset : 0);
  if (firstLength != 0) writeHostText(kNumberFormat, bytes + firstOffset, firstLength);
  if (secondLength != 0) writeHostText(kNumberFormat, bytes + secondOffset, secondLength);
  return record.release();
}

}  // namespace veltra::catalogue
