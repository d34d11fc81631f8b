// The NodeListRecord: every node under the root, with its display name and key as host text.
#include <array>
#include <cstring>
#include <limits>

#include "catalogue/attribute_list.h"
#include "catalogue/record_bytes.h"
#include "catalogue/record_layout.h"
#include "catalogue/text_conversion.h"
#include "support/trace.h"

namespace veltra::catalogue {
namespace {

using namespace node_list;

struct EntryTexts {
  const char* name = nullptr;
  const char* key = nullptr;
  std::uint32_t nameLength = 0;
  std::uint32_t keyLength = 0;
};

}  // namespace

unsigned char* AttributeList::BuildNodeList() const noexcept {
  support::trace("GetNodeList ");

  // Each text is measured once and the record laid out from those lengths alone, so a library
  // whose answers change between calls can never make the module write past the record. A total
  // that does not fit the record's length field means no record at all.
  std::array<EntryTexts, kNodeCount> entries;
  std::size_t count = 0;
  std::uint64_t total = kHeaderLength;
  for (const platform::ObjectPtr<Attribute>& attribute : slots_) {
    if (!attribute) continue;
    EntryTexts& entry = entries[count++];
    entry.name = attribute->GetName();
    entry.key = attribute->GetKey();
    entry.nameLength = measureHostText(entry.name);
    entry.keyLength = measureHostText(entry.key);
    total += kEntryFixedLength + std::uint64_t{entry.nameLength} + entry.keyLength;
  }
  if (total > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) {
    return nullptr;
  }

  platform::HeapPtr<> record = platform::heapAllocate(static_cast<std::size_t>(total));
  if (!record) return nullptr;
  unsigned char* bytes = record.get();
  put32(bytes, kHeaderLengthField, kHeaderLength);
  put8(bytes, kFormatField, kFormat);
  put32(bytes, kTotalLengthField, static_cast<std::uint32_t>(total));
  put32(bytes, kCountField, static_cast<std::uint32_t>(count));

  unsigned char* entry = bytes + kHeaderLength;
  for (std::size_t i = 0; i < count; ++i) {
    const EntryTexts& texts = entries[i];
    const std::uint32_t keyOffset =
        static_cast<std::uint32_t>(kEntryFixedLength) + texts.nameLength;
    const std::uint32_t length = keyOffset + texts.keyLength;
    put32(entry, kEntryLengthField, length);
    put8(entry, kEntryFormatField, kEntryFormat);
    std::memcpy(entry + kEntryLocaleField, kEntryLocale, sizeof kEntryLocale);
    put8(entry, kEntryMarkerField, kEntryMarker);
    put8(entry, kEntryKindField, kEntryKind);
    put32(entry, kEntryNameOffsetField, kEntryFixedLength);
    put32(entry, kEntryKeyOffsetField, keyOffset);
    writeHostText(texts.name, entry + kEntryFixedLength, texts.nameLength);
    writeHostText(texts.key, entry + keyOffset, texts.keyLength);
    entry += length;
  }
  return record.release();
}

}  // namespace veltra::catalogue
