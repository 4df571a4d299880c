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

// Integer part, truncated toward zero; Overflow outside the 32-bit range.
// Inline: the weekday reckoning calls it twice for every date.
inline std::int32_t truncToInt32(double value)
{
    // Exactly the values whose integer part fits; NaN fails both tests.
    if (!(value > -2147483649.0 && value < 2147483648.0)) {
        raiseOverflow();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace runtime
