#include "runtime/read_decimal.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

// A file of its own, so that a program whose library has from_chars links
// none of it.
namespace runtime {

namespace {

// A natural number in base 2^32, least significant word first, with the few
// operations long division by shift and subtract needs.
class Natural {
public:
    explicit Natural(std::uint32_t value = 0) : words_{value} { trim(); }

    void multiplyAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::uint32_t& word : words_) {
            carry += std::uint64_t{word} * factor;
            word = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) {
            words_.push_back(static_cast<std::uint32_t>(carry));
        }
        trim();
    }

    void shiftLeft(std::size_t bits)
    {
        if (words_.empty()) {
            return;
        }
        words_.insert(words_.begin(), bits / 32, 0);
        const unsigned within = bits % 32;
        if (within != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t& word : words_) {
                const std::uint32_t next = word >> (32 - within);
                word = (word << within) | carry;
                carry = next;
            }
            if (carry != 0) {
                words_.push_back(carry);
            }
        }
    }

    [[nodiscard]] std::size_t bitLength() const
    {
        return words_.empty() ? 0 : 32 * (words_.size() - 1) + static_cast<std::size_t>(std::bit_width(words_.back()));
    }

    [[nodiscard]] bool isZero() const { return words_.empty(); }

    friend bool operator<(const Natural& a, const Natural& b)
    {
        if (a.words_.size() != b.words_.size()) {
            return a.words_.size() < b.words_.size();
        }
        return std::lexicographical_compare(a.words_.rbegin(), a.words_.rend(), b.words_.rbegin(), b.words_.rend());
    }

    // this -= smaller
    void subtract(const Natural& smaller)
    {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < words_.size(); ++i) {
            std::int64_t difference =
                std::int64_t{words_[i]} - borrow - (i < smaller.words_.size() ? smaller.words_[i] : 0);
            borrow = difference < 0 ? 1 : 0;
            words_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        }
        trim();
    }

private:
    void trim()
    {
        while (!words_.empty() && words_.back() == 0) {
            words_.pop_back();
        }
    }

    std::vector<std::uint32_t> words_;
};

Natural powerOfTen(std::int64_t exponent)
{
    Natural power(1);
    for (; exponent > 0; --exponent) {
        power.multiplyAdd(10, 0);
    }
    return power;
}

// Past this many significant digits, the rest only tells whether the number
// lies above the digits kept: a nonzero digit after them says so, as an
// exact halfway case between two Doubles never has more than 767.
constexpr std::size_t kDigitsKept = 800;
constexpr std::int64_t kExponentCap = 1'000'000'000;

}  // namespace

// The nearest Double to the number, reckoned exactly: the quotient of the
// number, scaled by a power of two, and the power of ten that divides it,
// taken to 55 or 56 bits, then rounded to the bits a Double keeps there,
// half to even, what lies beyond the quotient telling halfway from above it.
DecimalReading readDecimalExactly(const std::string& ascii)
{
    std::string digits;
    std::int64_t exponent = 0;  // of the last digit kept
    bool beyondKept = false;
    bool inFraction = false;
    std::size_t i = 0;
    for (; i < ascii.size() && ascii[i] != 'e' && ascii[i] != 'E'; ++i) {
        const char c = ascii[i];
        if (c == '.') {
            inFraction = true;
        } else if (digits.empty() && c == '0') {
            exponent -= inFraction ? 1 : 0;
        } else if (digits.size() < kDigitsKept) {
            digits += c;
            exponent -= inFraction ? 1 : 0;
        } else {
            beyondKept = beyondKept || c != '0';
            exponent += inFraction ? 0 : 1;
        }
    }
    if (i < ascii.size()) {
        const bool signed_ = i + 1 < ascii.size() && (ascii[i + 1] == '-' || ascii[i + 1] == '+');
        const bool negative = signed_ && ascii[i + 1] == '-';
        std::int64_t written = 0;
        for (std::size_t j = i + (signed_ ? 2 : 1); j < ascii.size(); ++j) {
            written = std::min(written * 10 + (ascii[j] - '0'), kExponentCap);
        }
        exponent += negative ? -written : written;
    }
    if (beyondKept) {
        digits += '1';
        --exponent;
    }
    if (digits.empty()) {
        return {};
    }
    // Far beyond either end of the range, whatever the digits.
    const auto leading = static_cast<std::int64_t>(digits.size()) - 1 + exponent;
    if (leading > 309 || leading < -325) {
        return {.value = 0, .beyondRange = true};
    }

    // Most numbers written by hand: their digits and the power of ten are
    // both exact Doubles, and one multiplication or division rounds once.
    if (digits.size() <= 15 && exponent >= -22 && exponent <= 22) {
        std::uint64_t whole = 0;
        for (const char c : digits) {
            whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
        }
        double power = 1;
        for (std::int64_t k = 0; k < (exponent < 0 ? -exponent : exponent); ++k) {
            power *= 10;  // exact up to 10^22
        }
        const auto value = static_cast<double>(whole);
        return {.value = exponent < 0 ? value / power : value * power};
    }

    Natural numerator;
    for (const char c : digits) {
        numerator.multiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
    }
    Natural denominator(1);
    if (exponent >= 0) {
        for (std::int64_t k = 0; k < exponent; ++k) {
            numerator.multiplyAdd(10, 0);
        }
    } else {
        denominator = powerOfTen(-exponent);
    }

    // Scaled by 2^scale so that the quotient has 55 or 56 bits.
    const auto scale =
        static_cast<std::int64_t>(55 + denominator.bitLength()) - static_cast<std::int64_t>(numerator.bitLength());
    if (scale >= 0) {
        numerator.shiftLeft(static_cast<std::size_t>(scale));
    } else {
        denominator.shiftLeft(static_cast<std::size_t>(-scale));
    }
    std::uint64_t quotient = 0;
    for (int bit = 56; bit >= 0; --bit) {
        Natural shifted = denominator;
        shifted.shiftLeft(static_cast<std::size_t>(bit));
        if (!(numerator < shifted)) {
            numerator.subtract(shifted);
            quotient |= std::uint64_t{1} << bit;
        }
    }

    // Drop the bits a Double has no room for: all but 53, and more below the
    // smallest normal number, where the last bit kept is worth 2^-1074.
    std::int64_t dropped = static_cast<std::int64_t>(std::bit_width(quotient)) - 53;
    std::int64_t lastBit = dropped - scale;
    if (lastBit < -1074) {
        dropped += -1074 - lastBit;
        lastBit = -1074;
    }
    const std::uint64_t kept = dropped < 64 ? quotient >> dropped : 0;
    const bool half = dropped <= 64 && ((quotient >> (dropped - 1)) & 1) != 0;
    const bool above = !numerator.isZero() || (dropped > 1 && (dropped > 64 || (quotient << (65 - dropped)) != 0));
    std::uint64_t mantissa = kept + (half && (above || (kept & 1) != 0) ? 1 : 0);
    if (mantissa == std::uint64_t{1} << 53) {
        mantissa >>= 1;
        ++lastBit;
    }
    if (mantissa == 0 || lastBit > 1023 - 52) {
        return {.value = 0, .beyondRange = true};
    }
    return {.value = std::ldexp(static_cast<double>(mantissa), static_cast<int>(lastBit))};
}

}  // namespace runtime
