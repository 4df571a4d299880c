#pragma once

#include <charconv>
#include <string>

// The magnitude of an unsigned decimal number written in ASCII (digits, at
// most one point, an optional exponent), as the nearest Double.
namespace runtime {

struct DecimalReading {
    double value = 0;
    bool beyondRange = false;  // too large, or too small to be anything but 0
};

DecimalReading readDecimal(const std::string& ascii);

// The two ways to read it: from_chars, which does not depend on the locale,
// where the C++ library has it for double; else strtod, whose decimal point
// is the C locale's, the only one the libraries without from_chars have.
#if defined(__cpp_lib_to_chars)
DecimalReading readDecimalWithFromChars(const std::string& ascii);
#endif
DecimalReading readDecimalWithStrtod(const std::string& ascii);

}  // namespace runtime
