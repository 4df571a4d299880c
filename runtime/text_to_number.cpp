#include "runtime/text_to_number.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/errors.hpp"
#include "runtime/read_decimal.hpp"

namespace runtime {
namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u00A0';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Far beyond any exponent a Double can reach; saturating here keeps the
// magnitude estimate below from overflowing on absurdly long exponents.
constexpr int kExponentCap = 1'000'000;

// The number found at the start of a text, as ASCII ready for readDecimal,
// with the decimal exponent of its leading significant digit so that an
// out-of-range result can be told apart: too large or too small.
struct ScannedNumber {
    std::string ascii;
    bool hasDigits = false;
    bool allZero = true;
    std::int64_t leadingExponent = 0;
};

struct Scanner {
    std::u16string_view text;
    std::size_t pos = 0;

    [[nodiscard]] bool at(bool (*test)(char16_t)) const { return pos < text.size() && test(text[pos]); }
    [[nodiscard]] bool at(char16_t c) const { return pos < text.size() && text[pos] == c; }
};

// Digits of the mantissa; counts significant integer digits and the zeros
// that lead the fraction, which fix the magnitude of the first non-zero digit.
void scanMantissa(Scanner& in, ScannedNumber& out)
{
    std::int64_t integerDigits = 0;
    std::int64_t fractionLeadingZeros = 0;
    bool inFraction = false;
    for (;;) {
        if (in.at(isDigit)) {
            const char16_t c = in.text[in.pos++];
            out.ascii.push_back(static_cast<char>(c));
            out.hasDigits = true;
            if (c != u'0') {
                out.allZero = false;
            }
            if (!inFraction && !out.allZero) {
                ++integerDigits;
            } else if (inFraction && out.allZero) {
                ++fractionLeadingZeros;
            }
        } else if (in.at(u'.') && !inFraction) {
            ++in.pos;
            out.ascii.push_back('.');
            inFraction = true;
        } else {
            break;
        }
    }
    out.leadingExponent = integerDigits > 0 ? integerDigits - 1 : -fractionLeadingZeros - 1;
}

void scanExponent(Scanner& in, ScannedNumber& out)
{
    if (!(in.at(u'e') || in.at(u'E'))) {
        return;
    }
    Scanner ahead = in;
    ++ahead.pos;
    bool negative = false;
    if (ahead.at(u'+') || ahead.at(u'-')) {
        negative = ahead.text[ahead.pos++] == u'-';
    }
    if (!ahead.at(isDigit)) {
        return;
    }
    std::string digits;
    int value = 0;
    while (ahead.at(isDigit)) {
        const char16_t c = ahead.text[ahead.pos++];
        digits.push_back(static_cast<char>(c));
        value = value >= kExponentCap ? kExponentCap : value * 10 + (c - u'0');
    }
    out.ascii += negative ? "e-" : "e";
    out.ascii += digits;
    out.leadingExponent += negative ? -value : value;
    in = ahead;
}

}  // namespace

double textToNumber(std::u16string_view text)
{
    Scanner in{text};
    while (in.at(isBlank)) {
        ++in.pos;
    }
    bool negative = false;
    if (in.at(u'+') || in.at(u'-')) {
        negative = in.text[in.pos++] == u'-';
    }

    ScannedNumber number;
    scanMantissa(in, number);
    if (!number.hasDigits) {
        return 0.0;
    }
    scanExponent(in, number);

    const DecimalReading reading = readDecimal(number.ascii);
    if (reading.beyondRange && !number.allZero && number.leadingExponent >= 0) {
        raiseOverflow();
    }
    const double magnitude = reading.value;
    return negative ? -magnitude : magnitude;
}

}  // namespace runtime
