#include "runtime/text_to_number.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "runtime/errors.hpp"

namespace {

struct Reading {
    std::u16string text;
    double value = 0;
};

class TextToNumberReads : public testing::TestWithParam<Reading> {};

TEST_P(TextToNumberReads, TheNumberTheTextBeginsWith)
{
    const double got = runtime::textToNumber(GetParam().text);
    EXPECT_EQ(got, GetParam().value);
    EXPECT_EQ(std::signbit(got), std::signbit(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(Table, TextToNumberReads,
                         testing::Values(
                             // Plain numbers, signs and the decimal point.
                             Reading{u"2003", 2003}, Reading{u"0", 0}, Reading{u"+7", 7}, Reading{u"-1", -1},
                             Reading{u"4.6", 4.6}, Reading{u"4.4", 4.4}, Reading{u".5", 0.5}, Reading{u"5.", 5},
                             Reading{u"-0", -0.0}, Reading{u"007", 7}, Reading{u"1.2.3", 1.2},
                             // Exponents; a mark without digits after it is not part of the number.
                             Reading{u"1e4", 1e4}, Reading{u"2E3", 2000}, Reading{u"1e+2", 100}, Reading{u"25e-1", 2.5},
                             Reading{u"7e", 7}, Reading{u"7e+", 7}, Reading{u"7e-x", 7}, Reading{u"3.2e1x", 32},
                             // Blanks before the number are skipped, anything after it ignored.
                             Reading{u"  12", 12}, Reading{u"\t\r\n12", 12}, Reading{u"\u00A012", 12},
                             Reading{u"12 34", 12}, Reading{u"4,6", 4}, Reading{u"12abc", 12},
                             // No number at the start reads as 0.
                             Reading{u"", 0}, Reading{u"abc", 0}, Reading{u"-", 0}, Reading{u"+", 0}, Reading{u".", 0},
                             Reading{u"-.", 0}, Reading{u"e5", 0}, Reading{u"- 5", 0}, Reading{u"+-5", 0},
                             Reading{u"x12", 0}, Reading{u"\u0663", 0} /* an Arabic-Indic digit is no ASCII digit */,
                             // Too small to represent reads as 0, keeping the sign.
                             Reading{u"1e-400", 0}, Reading{u"-1e-400", -0.0}, Reading{u"0.000001e-320", 0},
                             Reading{u"0e999999999999", 0}, Reading{u"1e-99999999999999999999", 0},
                             // The largest values a Double holds still read.
                             Reading{u"1.7976931348623157e308", 1.7976931348623157e308}));

class TextToNumberOverflows : public testing::TestWithParam<std::u16string> {};

TEST_P(TextToNumberOverflows, BeyondTheDoubleRange)
{
    EXPECT_THROW(runtime::textToNumber(GetParam()), runtime::OverflowError);
}

INSTANTIATE_TEST_SUITE_P(Table, TextToNumberOverflows,
                         testing::Values(u"1e309", u"-1e309", u"1.8e308", u"0.001e312", u"1e99999999999999999999",
                                         std::u16string(400, u'9')));

}  // namespace
