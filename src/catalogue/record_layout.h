// Byte layouts of the records exchanged with the host. All integers little-endian, no gaps.
#pragma once

#include <cstddef>
#include <cstdint>

namespace veltra::catalogue {

// QueryPath, owned by the host: the module reads the member count and one member offset.
namespace query_path {
constexpr std::size_t kMembers = 11;
constexpr std::size_t kMemberOffset[2] = {15, 19};
// A member's text cannot begin inside the fields read for it: before byte 19 for a root path,
// before byte 23 for a node path.
constexpr std::size_t kFieldsEnd[2] = {19, 23};
}  // namespace query_path

// NodeListRecord: a 17-byte header, then one entry per node.
namespace node_list {
constexpr std::size_t kHeaderLength = 17;
constexpr std::uint8_t kFormat = 2;
constexpr std::size_t kHeaderLengthField = 0;
constexpr std::size_t kFormatField = 4;
constexpr std::size_t kTotalLengthField = 5;
constexpr std::size_t kCountField = 9;

// Entry fields, counted from the start of the entry; the display name and then the key follow.
constexpr std::size_t kEntryFixedLength = 21;
constexpr std::uint8_t kEntryFormat = 1;
constexpr std::size_t kEntryLengthField = 0;
constexpr std::size_t kEntryFormatField = 4;
constexpr std::size_t kEntryLocaleField = 5;
constexpr char kEntryLocale[6] = "en_US";  // stored with its zero byte
constexpr std::size_t kEntryMarkerField = 11;
constexpr std::uint8_t kEntryMarker = 1;
constexpr std::size_t kEntryKindField = 12;
constexpr std::uint8_t kEntryKind = 8;
constexpr std::size_t kEntryNameOffsetField = 13;
constexpr std::size_t kEntryKeyOffsetField = 17;
}  // namespace node_list

// NodeAttributesRecord: fixed fields, two format texts and two zero bytes.
namespace node_attributes {
constexpr std::size_t kFixedLength = 51;
constexpr std::uint8_t kFormat = 2;
constexpr std::size_t kLengthField = 0;
constexpr std::size_t kFormatField = 4;
constexpr std::size_t kReservedField = 5;
constexpr std::size_t kPulseField = 9;
constexpr std::uint32_t kPulse = 4000;  // what NodePulse answers for an active node
constexpr std::size_t kMarkerField = 13;
constexpr std::uint32_t kMarker = 1;
constexpr std::size_t kKindField = 17;
constexpr std::uint32_t kKind = 10;
constexpr std::size_t kZeroFields = 21;  // four 32-bit zeros
constexpr std::size_t kFirstTextOffsetField = 37;
constexpr std::size_t kSecondTextOffsetField = 41;
constexpr std::size_t kTextsStart = 49;
constexpr char kNumberFormat[] = "%10.02f";
}  // namespace node_attributes

// NodeValueRecord: always 18 bytes.
namespace node_value {
constexpr std::size_t kLength = 18;
constexpr std::uint8_t kFormat = 1;
constexpr std::size_t kLengthField = 0;
constexpr std::size_t kFormatField = 4;
constexpr std::size_t kStatusField = 5;
constexpr std::size_t kDataTypeField = 9;
constexpr std::size_t kValueField = 10;
}  // namespace node_value

// Data type codes.
constexpr std::uint8_t kDataTypeNone = 0;
constexpr std::uint8_t kDataTypeDouble = 1;

static_assert(node_list::kEntryNameOffsetField + 4 + 4 == node_list::kEntryFixedLength);
static_assert(node_attributes::kTextsStart + 2 == node_attributes::kFixedLength);
static_assert(node_value::kValueField + 8 == node_value::kLength);

}  // namespace veltra::catalogue
