#pragma once

// Integer arithmetic that raises Overflow instead of wrapping, and the
// narrowing to the unsigned 8-bit type the calculation relies on.

#include <cstdint>
#include <limits>

#include "runtime/errors.hpp"

namespace runtime {

// Subtraction at 16 bits: Overflow when the difference leaves that width.
inline std::int16_t checkedSub(std::int16_t a, std::int16_t b)
{
    const int exact = a - b;  // an int holds any difference of two 16-bit values
    if (exact < std::numeric_limits<std::int16_t>::min() || exact > std::numeric_limits<std::int16_t>::max()) {
        raiseOverflow();
    }
    return static_cast<std::int16_t>(exact);
}

// Narrowing to the unsigned 8-bit type: Overflow outside 0 to 255.
inline std::uint8_t toByte(std::int32_t value)
{
    if (value < 0 || value > std::numeric_limits<std::uint8_t>::max()) {
        raiseOverflow();
    }
    return static_cast<std::uint8_t>(value);
}

inline std::uint8_t toByte(std::int16_t value)
{
    return toByte(std::int32_t{value});
}

}  // namespace runtime
