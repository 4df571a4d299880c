#include "runtime/read_decimal.hpp"

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

DecimalReading readDecimal(const std::string& ascii)
{
#if defined(__cpp_lib_to_chars)
    return readDecimalWithFromChars(ascii);
#else
    return readDecimalExactly(ascii);
#endif
}

}  // namespace runtime
