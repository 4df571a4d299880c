#pragma once

// Conversions from a Double to the program's integer widths.
//
// Rounding is to the nearest integer with exact halves going to the even
// neighbour (2.5 -> 2, 3.5 -> 4, -0.5 -> 0): the rounding IEEE arithmetic
// itself uses, so no direction is favoured. A value that does not fit the
// target after rounding, an infinity or a NaN raises Overflow.

#include <cstdint>

namespace runtime {

std::int16_t roundToInt16(double value);
std::uint8_t roundToByte(double value);

// Integer part, truncated toward zero; Overflow outside the 32-bit range.
std::int32_t truncToInt32(double value);

}  // namespace runtime
