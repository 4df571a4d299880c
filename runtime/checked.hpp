#pragma once

// Integer arithmetic that raises Overflow instead of wrapping, at the width
// of its operands, and the narrowing conversions the calculation relies on.

#include <concepts>
#include <cstdint>
#include <limits>

#include "runtime/errors.hpp"

namespace runtime {

// Sums and products of two 16- or 32-bit operands always fit in 64 bits, so
// the exact result is computed there and then checked against the width.
template <std::signed_integral T>
requires(sizeof(T) <= sizeof(std::int32_t)) inline T narrowChecked(std::int64_t exact)
{
    if (exact < std::numeric_limits<T>::min() || exact > std::numeric_limits<T>::max()) {
        raiseOverflow();
    }
    return static_cast<T>(exact);
}

template <std::signed_integral T>
requires(sizeof(T) <= sizeof(std::int32_t)) inline T checkedAdd(T a, T b)
{
    return narrowChecked<T>(std::int64_t{a} + std::int64_t{b});
}

template <std::signed_integral T>
requires(sizeof(T) <= sizeof(std::int32_t)) inline T checkedSub(T a, T b)
{
    return narrowChecked<T>(std::int64_t{a} - std::int64_t{b});
}

template <std::signed_integral T>
requires(sizeof(T) <= sizeof(std::int32_t)) inline T checkedMul(T a, T b)
{
    return narrowChecked<T>(std::int64_t{a} * std::int64_t{b});
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
