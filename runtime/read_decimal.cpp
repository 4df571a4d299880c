#include "runtime/read_decimal.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace runtime {

#if defined(__cpp_lib_to_chars)
DecimalReading readDecimalWithFromChars(const std::string& ascii)
{
    DecimalReading reading;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), reading.value);
    reading.beyondRange = result.ec == std::errc::result_out_of_range;
    if (reading.beyondRange) {
        reading.value = 0;
    }
    return reading;
}
#endif

DecimalReading readDecimalWithStrtod(const std::string& ascii)
{
    errno = 0;
    DecimalReading reading{.value = std::strtod(ascii.c_str(), nullptr)};
    // ERANGE also flags a subnormal result, which from_chars gives as it is.
    reading.beyondRange = errno == ERANGE && (std::isinf(reading.value) || reading.value == 0);
    if (reading.beyondRange) {
        reading.value = 0;
    }
    return reading;
}

DecimalReading readDecimal(const std::string& ascii)
{
#if defined(__cpp_lib_to_chars)
    return readDecimalWithFromChars(ascii);
#else
    return readDecimalWithStrtod(ascii);
#endif
}

}  // namespace runtime
