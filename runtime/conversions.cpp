#include "runtime/conversions.hpp"

#include <cmath>
#include <limits>

#include "runtime/errors.hpp"

namespace runtime {
namespace {

double roundHalfToEven(double value)
{
    const double nearest = std::round(value);  // sends halves away from zero
    if (std::fabs(value - nearest) == 0.5) {
        return 2.0 * std::round(value / 2.0);  // the even one of the two neighbours
    }
    return nearest;
}

// NaN fails both comparisons, so it lands on Overflow as well.
template <typename T>
T fitOrRaise(double whole)
{
    if (!(whole >= std::numeric_limits<T>::min() && whole <= std::numeric_limits<T>::max())) {
        raiseOverflow();
    }
    return static_cast<T>(whole);
}

}  // namespace

std::int16_t roundToInt16(double value)
{
    return fitOrRaise<std::int16_t>(roundHalfToEven(value));
}

std::uint8_t roundToByte(double value)
{
    return fitOrRaise<std::uint8_t>(roundHalfToEven(value));
}

}  // namespace runtime
