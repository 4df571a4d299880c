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

// The two ways to read it: from_chars where the C++ library has it for
// double; else our own exact reckoning, smaller in the browser's module than
// the C library's strtod, which brings a software long double with it.
#if defined(__cpp_lib_to_chars)
DecimalReading readDecimalWithFromChars(const std::string& ascii);
#endif
DecimalReading readDecimalExactly(const std::string& ascii);

}  // namespace runtime
