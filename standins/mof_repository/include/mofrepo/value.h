// Property types and values as the repository holds them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mofrepo {

// The property types a class may declare here.
enum class CimType : std::uint8_t {
  Sint8,
  Uint8,
  Sint16,
  Uint16,
  Sint32,
  Uint32,
  Real32,
  Real64,
  String,
  Boolean,
};

// Variant type numbers, as WMI reports them. All integer types travel as a 32-bit integer.
constexpr std::uint16_t kVariantNull = 1;
constexpr std::uint16_t kVariantInt32 = 3;
constexpr std::uint16_t kVariantReal32 = 4;
constexpr std::uint16_t kVariantReal64 = 5;
constexpr std::uint16_t kVariantString = 8;
constexpr std::uint16_t kVariantBoolean = 11;
constexpr std::uint16_t kVariantArray = 0x2000;  // added to the element's type

std::uint16_t elementVariantType(CimType type) noexcept;
bool isIntegerType(CimType type) noexcept;
bool isRealType(CimType type) noexcept;
const char* cimTypeName(CimType type) noexcept;  // as written in a class declaration

// One scalar. The member that holds it follows from the type: `integer` for the integer types
// (the exact declared value, e.g. 4000000000 for a uint32), `real` for real32 and real64 (a real32
// already rounded to float), `boolean`, or `text`.
struct Element {
  std::int64_t integer = 0;
  double real = 0.0;
  bool boolean = false;
  std::u16string text;
};

// A property's value, typed by its class's declaration. A null value keeps its declared type.
struct Value {
  CimType type = CimType::Sint32;
  bool isArray = false;
  bool isNull = true;
  Element scalar;                 // when neither null nor an array
  std::vector<Element> elements;  // when an array that is not null

  // 1 when null, else the element's variant type, plus 0x2000 for an array.
  std::uint16_t variantType() const noexcept;
};

}  // namespace mofrepo
