// textToNumber against an independent reading of the same texts: every text
// of up to four characters over an alphabet of what numbers are made of and
// what breaks them, and longer seeded random ones that reach past the Double
// range both ways.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "runtime/errors.hpp"
#include "runtime/text_to_number.hpp"
#include "support/number_prefix.hpp"

namespace {

constexpr std::u16string_view kAlphabet = u"0159.,+-eE \t\u00A0x\u00E9";

// What textToNumber gives, or nothing where it raises Overflow.
std::optional<double> read(const std::u16string& text)
{
    try {
        return runtime::textToNumber(text);
    } catch (const runtime::OverflowError&) {
        return std::nullopt;
    }
}

void expectAgreement(const std::u16string& text)
{
    const std::optional<double> ours = read(text);
    const std::optional<double> theirs = testing_support::numberPrefix(text);
    ASSERT_EQ(ours.has_value(), theirs.has_value()) << testing::PrintToString(text);
    if (ours && theirs) {
        ASSERT_EQ(*ours, *theirs) << testing::PrintToString(text);
        ASSERT_EQ(std::signbit(*ours), std::signbit(*theirs)) << testing::PrintToString(text);
    }
}

TEST(TextToNumberDifferential, EveryShortText)
{
    std::u16string text;
    const auto extend = [&](const auto& self, std::size_t length) -> void {
        expectAgreement(text);
        if (length == 4) {
            return;
        }
        for (const char16_t c : kAlphabet) {
            text.push_back(c);
            self(self, length + 1);
            text.pop_back();
        }
    };
    extend(extend, 0);
}

TEST(TextToNumberDifferential, LongRandomTexts)
{
    std::mt19937 random(20261207);
    // Digits weigh most, so that long numbers and exponents come up.
    constexpr std::u16string_view kWeighted = u"00112233445566778899.+-eE \u00A0x";
    std::uniform_int_distribution<std::size_t> pick(0, kWeighted.size() - 1);
    std::uniform_int_distribution<int> length(5, 400);
    for (int i = 0; i < 20'000; ++i) {
        std::u16string text;
        for (int n = length(random); n > 0; --n) {
            text.push_back(kWeighted[pick(random)]);
        }
        expectAgreement(text);
    }
}

}  // namespace
