#pragma once

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
// GCC 12 warns falsely of uninitialised members inside its own <regex>.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <regex>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#include <string>
#include <string_view>

// The number a text begins with, read independently of runtime::textToNumber
// to check it: the prefix is found by a regular expression written from the
// documented rules, and parsed by std::from_chars (strtod where the library
// lacks it). Gives nothing where the
// number lies beyond the Double range, where textToNumber raises Overflow.
namespace testing_support {

inline std::optional<double> numberPrefix(std::u16string_view text)
{
    // The expression reads bytes: a no-break space becomes a space, and any
    // other unit beyond ASCII a byte that no part of a number matches.
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += unit == u'\u00A0' ? ' ' : unit < 0x80 ? static_cast<char>(unit) : '\x7F';
    }
    static const std::regex kNumber(R"([ \t\n\r]*([+-]?)((?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?))");
    std::smatch found;
    if (!std::regex_search(bytes, found, kNumber, std::regex_constants::match_continuous)) {
        return 0.0;
    }
    const std::string digits = found[2];
    double value = 0;
#if defined(__cpp_lib_to_chars)
    const bool beyondRange =
        std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc::result_out_of_range;
#else
    // The browser's C++ library has no from_chars for double.
    errno = 0;
    value = std::strtod(digits.c_str(), nullptr);
    const bool beyondRange = errno == ERANGE && (std::isinf(value) || value == 0);
#endif
    if (beyondRange) {
        // Out of range both ways: the wider long double tells which.
        if (std::strtold(digits.c_str(), nullptr) > 1) {
            return std::nullopt;
        }
        value = 0;
    }
    return found[1] == "-" ? -value : value;
}

}  // namespace testing_support
