#include "record_checks.h"

#include <cstring>
#include <sstream>

#include "veltra/veltra.h"

namespace veltra::testing {
namespace {

// Collects the problems of one record, each with the offset it was found at.
class Problems {
 public:
  void expect(bool condition, std::size_t offset, const char* what) {
    if (!condition) out_ << "at " << offset << ": " << what << "; ";
  }
  void expectField(const unsigned char* record, std::size_t offset, std::int32_t value,
                   const char* what) {
    const std::int32_t found = veltra_read_int32(record, offset);
    if (found != value) {
      out_ << "at " << offset << ": " << what << " is " << found << ", not " << value << "; ";
    }
  }
  std::string text() const { return out_.str(); }

 private:
  std::ostringstream out_;
};

bool allZero(const unsigned char* bytes, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    if (bytes[i] != 0) return false;
  }
  return true;
}

constexpr char kNumberFormat[] = "%10.02f";

}  // namespace

std::string nodeListProblems(const unsigned char* list) {
  Problems problems;
  problems.expectField(list, 0, 17, "header length");
  problems.expect(veltra_record_format(list) == 2, 4, "format byte");
  const std::int32_t total = veltra_node_list_total_length(list);
  const std::int32_t count = veltra_node_list_count(list);
  problems.expect(total >= 17, 5, "total length below the header");
  problems.expect(count >= 0 && count <= 12, 9, "entry count");
  problems.expect(allZero(list + 13, 4), 13, "reserved bytes");
  if (!problems.text().empty()) return problems.text();

  std::int64_t at = 17;
  for (std::int32_t i = 0; i < count; ++i) {
    const unsigned char* entry = list + at;
    const auto offset = static_cast<std::size_t>(at);
    if (at + 21 > total) {
      problems.expect(false, offset, "entry runs past the record");
      return problems.text();
    }
    const std::int32_t length = veltra_read_int32(entry, 0);
    const std::int32_t keyOffset = veltra_read_int32(entry, 17);
    problems.expect(length >= 21 && at + length <= total, offset, "entry length");
    problems.expect(entry[4] == 1, offset + 4, "entry format byte");
    problems.expect(std::memcmp(entry + 5, "en_US", 6) == 0, offset + 5, "locale");
    problems.expect(entry[11] == 1 && entry[12] == 8, offset + 11, "entry markers");
    problems.expectField(entry, 13, 21, "display name offset");
    problems.expect(keyOffset >= 21 && keyOffset <= length, offset + 17, "key offset");
    if (!problems.text().empty()) return problems.text();
    at += length;
  }
  problems.expect(at == total, static_cast<std::size_t>(at), "entries do not end the record");
  return problems.text();
}

std::string attributesProblems(const unsigned char* attributes) {
  Problems problems;
  const std::int32_t length = veltra_record_length(attributes);
  problems.expect(length >= 51, 0, "length below the fixed fields");
  problems.expect(veltra_record_format(attributes) == 2, 4, "format byte");
  if (!problems.text().empty()) return problems.text();

  problems.expectField(attributes, 5, 0, "reserved field");
  problems.expectField(attributes, 9, 4000, "poll interval");
  problems.expectField(attributes, 13, 1, "marker");
  problems.expectField(attributes, 17, 10, "kind");
  problems.expect(allZero(attributes + 21, 16), 21, "zero fields");
  problems.expect(allZero(attributes + 45, 4), 45, "reserved bytes");
  problems.expect(allZero(attributes + length - 2, 2), static_cast<std::size_t>(length - 2),
                  "closing zero bytes");

  // The first text begins at 49 when it has bytes; the second directly after it.
  const std::int32_t first = veltra_read_int32(attributes, 37);
  const std::int32_t second = veltra_read_int32(attributes, 41);
  problems.expect(first == 0 || first == 49, 37, "first text offset");
  problems.expect(second == 0 || (second >= 49 && second <= length - 2), 41, "second text offset");
  const std::int32_t firstLength = first == 0 ? 0 : (second != 0 ? second : length - 2) - 49;
  const std::int32_t secondLength = length - 51 - firstLength;
  problems.expect(secondLength >= 0 && (secondLength == 0) == (second == 0), 41,
                  "second text offset and length disagree");
  if (!problems.text().empty()) return problems.text();
  const std::int32_t texts[2][2] = {{first, firstLength}, {second, secondLength}};
  for (const auto& text : texts) {
    if (text[1] == 0) continue;
    problems.expect(text[1] == sizeof kNumberFormat &&
                        std::memcmp(attributes + text[0], kNumberFormat, sizeof kNumberFormat) == 0,
                    static_cast<std::size_t>(text[0]), "format text");
  }
  return problems.text();
}

std::string valueProblems(const unsigned char* value) {
  Problems problems;
  problems.expectField(value, 0, 18, "length");
  problems.expect(veltra_record_format(value) == 1, 4, "format byte");
  const std::int32_t status = veltra_value_status(value);
  const std::uint8_t type = veltra_value_type(value);
  problems.expect(status == VELTRA_STATUS_OK || status == VELTRA_INVALID_HANDLE ||
                      status == VELTRA_NODE_UNAVAILABLE,
                  5, "status");
  problems.expect(type == (status == VELTRA_INVALID_HANDLE ? VELTRA_TYPE_NONE : VELTRA_TYPE_DOUBLE),
                  9, "data type does not go with the status");
  problems.expect(status == VELTRA_STATUS_OK || allZero(value + 10, 8), 10,
                  "a value without status 0");
  return problems.text();
}

std::vector<unsigned char> attributesRecord(std::uint32_t firstLength, std::uint32_t secondLength) {
  std::vector<unsigned char> record(51 + firstLength + secondLength, 0);
  const auto put = [&record](std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
      record[at + i] = static_cast<unsigned char>(value >> (8 * i));
  };
  put(0, static_cast<std::uint32_t>(record.size()));
  record[4] = 2;
  put(9, 4000);
  put(13, 1);
  put(17, 10);
  put(37, firstLength != 0 ? 49 : 0);
  put(41, secondLength != 0 ? 49 + firstLength : 0);
  if (firstLength != 0) std::memcpy(&record[49], kNumberFormat, firstLength);
  if (secondLength != 0) std::memcpy(&record[49 + firstLength], kNumberFormat, secondLength);
  return record;
}

}  // namespace veltra::testing
