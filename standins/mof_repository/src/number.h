// Numeric literals of MOF, checked against the type of the property they are given to.
#pragma once

#include <string>
#include <string_view>

#include "mofrepo/value.h"

namespace mofrepo::detail {

// Converts `text` (a Number token) to a value of integer or real type `type` in `out`. Answers an
// empty string on success, else why not: the text is no number, or its value does not fit.
//
// Integers are decimal or 0x-hexadecimal; a decimal integer with a leading zero is refused, since
// mofcomp would read it as octal. A real (with a decimal point or an exponent) is refused for an
// integer type; an integer is fine for a real type.
std::string convertNumber(std::string_view text, CimType type, Element& out);

}  // namespace mofrepo::detail
