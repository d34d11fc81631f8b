#include "number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "text.h"

namespace mofrepo::detail {

namespace {

struct Range {
  std::int64_t minimum;
  std::int64_t maximum;
};

Range rangeOf(CimType type) {
  switch (type) {
    case CimType::Sint8:
      return {-128, 127};
    case CimType::Uint8:
      return {0, 255};
    case CimType::Sint16:
      return {-32768, 32767};
    case CimType::Uint16:
      return {0, 65535};
    case CimType::Sint32:
      return {-2147483648LL, 2147483647LL};
    default:
      return {0, 4294967295LL};
  }
}

struct Literal {
  bool negative = false;
  std::string_view digits;  // without sign or 0x
  bool hex = false;
  bool real = false;  // has a decimal point or an exponent
};

std::optional<Literal> splitLiteral(std::string_view text) {
  Literal literal;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    literal.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    literal.hex = true;
    text.remove_prefix(2);
  } else {
    literal.real = text.find_first_of(".eE") != std::string_view::npos;
  }
  if (text.empty()) return std::nullopt;
  literal.digits = text;
  return literal;
}

// The magnitude of an integer literal; nothing when it is no integer, `tooLarge` when it has more
// than 64 bits.
std::optional<std::uint64_t> magnitude(const Literal& literal, bool& tooLarge) {
  if (literal.real) return std::nullopt;
  if (!literal.hex && literal.digits.size() > 1 && literal.digits.front() == '0') {
    return std::nullopt;
  }
  const char* first = literal.digits.data();
  const char* last = first + literal.digits.size();
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value, literal.hex ? 16 : 10);
  if (end != last) return std::nullopt;
  tooLarge = error == std::errc::result_out_of_range;
  if (error != std::errc() && !tooLarge) return std::nullopt;
  return value;
}

}  // namespace

std::string convertNumber(std::string_view text, CimType type, Element& out) {
  const std::string notNumber = "'" + printable(text) + "' is not a number";
  const std::string tooBig = "value " + printable(text) + " does not fit type " + cimTypeName(type);
  const std::optional<Literal> literal = splitLiteral(text);
  if (!literal) return notNumber;

  bool tooLarge = false;
  const std::optional<std::uint64_t> integer = magnitude(*literal, tooLarge);

  if (isRealType(type)) {
    double value = 0.0;
    if (integer && !tooLarge) {
      value = static_cast<double>(*integer);
    } else if (integer && literal->hex) {
      return tooBig;
    } else if (!integer && !literal->real) {
      return notNumber;
    } else {
      // A decimal real, or a decimal integer too large for 64 bits.
      const char* first = literal->digits.data();
      const char* last = first + literal->digits.size();
      const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
      if (end != last || (error != std::errc() && error != std::errc::result_out_of_range)) {
        return notNumber;
      }
      if (error == std::errc::result_out_of_range) return tooBig;
    }
    if (literal->negative) value = -value;
    if (!std::isfinite(value)) return tooBig;
    if (type == CimType::Real32) {
      if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) return tooBig;
      value = static_cast<double>(static_cast<float>(value));
    }
    out.real = value;
    return {};
  }

  if (!integer) return literal->real ? tooBig : notNumber;
  const Range range = rangeOf(type);
  // Every integer type here has a range well inside int64, so the magnitude check comes first.
  if (tooLarge || *integer > static_cast<std::uint64_t>(range.maximum) + 1) return tooBig;
  const std::int64_t value = literal->negative ? -static_cast<std::int64_t>(*integer)
                                               : static_cast<std::int64_t>(*integer);
  if (value < range.minimum || value > range.maximum) return tooBig;
  out.integer = value;
  return {};
}

}  // namespace mofrepo::detail
