#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/attribute_list.h"
#include "catalogue/value_record.h"
#include "module_fixture.h"
#include "platform/heap.h"

namespace veltra::catalogue {
namespace {

using Bytes = std::vector<unsigned char>;
using platform::FaultPoint;

Bytes le32(std::uint32_t value) {
  return {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
          static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
}

Bytes text(const std::string& s) {
  return Bytes(s.c_str(), s.c_str() + s.size() + 1);
}

Bytes operator+(Bytes left, const Bytes& right) {
  left.insert(left.end(), right.begin(), right.end());
  return left;
}

// One node list entry, written out from the record layout.
Bytes entry(const std::string& name, const std::string& key) {
  const auto n = static_cast<std::uint32_t>(name.size() + 1);
  const auto k = static_cast<std::uint32_t>(key.size() + 1);
  return le32(21 + n + k) + Bytes{1, 'e', 'n', '_', 'U', 'S', 0, 1, 8} + le32(21) + le32(21 + n) +
         text(name) + text(key);
}

Bytes recordBytes(const unsigned char* record) {
  const std::uint32_t length = static_cast<std::uint32_t>(veltra_record_length(record));
  return Bytes(record, record + length);
}

class RecordsTest : public testing::ModuleTest {
 protected:
  using Record = platform::HeapPtr<>;
};

TEST_F(RecordsTest, NodeListRecordByteForByte) {
  AttributeList list;
  const Bytes entries =
      entry("Input Line Voltage", "InputVoltage") + entry("Min Line Voltage", "MinInputVoltage") +
      entry("Max Line Voltage", "MaxInputVoltage") + entry("UPS Output Voltage", "OutputVoltage") +
      entry("UPS Load", "OutputLoad") + entry("Output Frequency", "OutputFreq") +
      entry("Internal UPS Temp", "BatteryTemp") + entry("Battery Voltage", "BatteryVolt") +
      entry("Humidity Probe 1", "HumidityProbe1") + entry("Humidity Probe 2", "HumidityProbe2") +
      entry("Temp Probe 1", "TempProbe1") + entry("Temp Probe 2", "TempProbe2");
  const auto total = static_cast<std::uint32_t>(17 + entries.size());
  const Bytes expected = le32(17) + Bytes{2} + le32(total) + le32(12) + Bytes{0, 0, 0, 0} + entries;

  const Record record(list.BuildNodeList());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(veltra_node_list_total_length(record.get()), static_cast<std::int32_t>(total));
  EXPECT_EQ(Bytes(record.get(), record.get() + total), expected);

  // The first entry, spelled out: 21 + 19 + 13 = 53 bytes.
  const Bytes first = {53, 0, 0, 0, 1, 'e', 'n', '_', 'U', 'S', 0, 1, 8, 21, 0, 0, 0, 40, 0, 0, 0};
  EXPECT_TRUE(std::equal(first.begin(), first.end(), record.get() + 17));
}

TEST_F(RecordsTest, NodeListSkipsEmptySlotsAndSaysSo) {
  platform::armFault(FaultPoint::kObjectAlloc, 5, 0);  // slot 4, "OutputLoad"
  AttributeList list;
  const Record record(list.BuildNodeList());
  ASSERT_NE(record, nullptr);
  EXPECT_EQ(veltra_node_list_count(record.get()), 11);
  std::uint32_t sum = 17;
  const unsigned char* e = veltra_node_list_first(record.get());
  for (int i = 0; i < 11; ++i, e = veltra_node_list_next(e)) {
    std::size_t length = 0;
    EXPECT_STRNE(reinterpret_cast<const char*>(veltra_entry_key(e, &length)), "OutputLoad");
    sum += static_cast<std::uint32_t>(veltra_read_int32(e, 0));
  }
  EXPECT_EQ(static_cast<std::uint32_t>(veltra_node_list_total_length(record.get())), sum);
}

TEST_F(RecordsTest, AttributesRecordByteForByte) {
  AttributeList list;
  const Bytes expected = le32(67) + Bytes{2} + le32(0) + le32(4000) + le32(1) + le32(10) +
                         Bytes(16, 0) + le32(49) + le32(57) + le32(0) + text("%10.02f") +
                         text("%10.02f") + Bytes{0, 0};
  ASSERT_EQ(expected.size(), 67u);
  for (std::int32_t handle = 100; handle <= 111; ++handle) {
    const Record record(list.GetMetaData(handle));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(recordBytes(record.get()), expected);
  }
  EXPECT_EQ(list.GetMetaData(-1), nullptr);
  EXPECT_EQ(list.GetMetaData(112), nullptr);
}

TEST_F(RecordsTest, ValueRecordsByteForByte) {
  struct Case {
    ValueStatus status;
    std::uint8_t type;
    double value;
    Bytes expected;
  };
  const Case cases[] = {
      {ValueStatus::kValuePresent,
       1,
       230.5,
       {18, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0x00, 0x00, 0x00, 0x00, 0x00, 0xD0, 0x6C, 0x40}},
      {ValueStatus::kInvalidHandle,
       0,
       0.0,
       {18, 0, 0, 0, 1, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {ValueStatus::kNodeUnavailable,
       1,
       0.0,
       {18, 0, 0, 0, 1, 12, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const Record record(newValueRecord());
    ASSERT_NE(record, nullptr);
    setValue(record.get(), c.status, c.type, c.value);
    EXPECT_EQ(Bytes(record.get(), record.get() + 18), c.expected);
  }
}

TEST_F(RecordsTest, RecordsThatCannotBeAllocatedAreNull) {
  AttributeList list;
  platform::armFault(FaultPoint::kHeapAlloc, 1, 0);
  EXPECT_EQ(list.BuildNodeList(), nullptr);
  platform::armFault(FaultPoint::kHeapAlloc, 1, 0);
  EXPECT_EQ(list.GetMetaData(100), nullptr);
  platform::armFault(FaultPoint::kHeapAlloc, 1, 0);
  EXPECT_EQ(newValueRecord(), nullptr);
}

// A host text library that reports lengths no record can hold gets no record, never a short one.
TEST_F(RecordsTest, LengthsThatOverflowTheRecordGiveNoRecord) {
  AttributeList list;
  const std::int32_t lengths[] = {-1, INT32_MAX, INT32_MAX / 2};
  for (const std::int32_t length : lengths) {
    SCOPED_TRACE(length);
    platform::armFault(FaultPoint::kHostTextLength, 1, length, /*persistent=*/true);
    EXPECT_EQ(list.BuildNodeList(), nullptr);
    EXPECT_EQ(list.GetMetaData(100), nullptr);
  }
}

TEST_F(RecordsTest, EmptyFormatTextsHaveNoOffset) {
  AttributeList list;
  platform::armFault(FaultPoint::kHostTextLength, 1, 0, /*persistent=*/true);
  const Record record(list.GetMetaData(100));
  ASSERT_NE(record, nullptr);
  const Bytes expected = le32(51) + Bytes{2} + le32(0) + le32(4000) + le32(1) + le32(10) +
                         Bytes(16, 0) + le32(0) + le32(0) + le32(0) + Bytes{0, 0};
  EXPECT_EQ(recordBytes(record.get()), expected);
}

}  // namespace
}  // namespace veltra::catalogue
