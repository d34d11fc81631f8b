#include "catalogue/value_record.h"

#include "catalogue/record_bytes.h"
#include "catalogue/record_layout.h"
#include "platform/heap.h"

namespace veltra::catalogue {

using namespace node_value;

unsigned char* newValueRecord() noexcept {
  auto* record = static_cast<unsigned char*>(platform::heapAllocZeroed(kLength));
  if (record == nullptr) return nullptr;
  put32(record, kLengthField, kLength);
  put8(record, kFormatField, kFormat);
  return record;
}

void setValue(unsigned char* record, ValueStatus status, std::uint8_t dataType,
              double value) noexcept {
  put32(record, kStatusField, static_cast<std::uint32_t>(status));
  put8(record, kDataTypeField, dataType);
  putDouble(record, kValueField, value);
}

}  // namespace veltra::catalogue
