#pragma once

// Conversions from a Double to the program's integer widths.
//
// Rounding is to the nearest integer with exact halves going to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0): the rounding IEEE arithmetic
// itself uses, so no direction is favoured. A value that does not fit the
// target after rounding, an infinity or a NaN raises Overflow.

#include <cstdint>

#include "runtime/errors.hpp"

namespace runtime {

std::int16_t roundToInt16(double value);
std::uint8_t roundToByte(double value);

}  // namespace runtime
