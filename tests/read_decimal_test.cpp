// Both ways of reading a decimal number give the same Double, so that the
// browser's build, which has only strtod, answers as the desktop's does.

#include "runtime/read_decimal.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Decimal {
    std::string ascii;
    double value = 0;
    bool beyondRange = false;
};

class ReadDecimal : public testing::TestWithParam<Decimal> {};

void expectReading(const runtime::DecimalReading& got, const Decimal& expected)
{
    EXPECT_EQ(got.value, expected.value) << expected.ascii;
    EXPECT_EQ(got.beyondRange, expected.beyondRange) << expected.ascii;
}

TEST_P(ReadDecimal, WithStrtod)
{
    expectReading(runtime::readDecimalWithStrtod(GetParam().ascii), GetParam());
}

#if defined(__cpp_lib_to_chars)
TEST_P(ReadDecimal, WithFromChars)
{
    expectReading(runtime::readDecimalWithFromChars(GetParam().ascii), GetParam());
}
#endif

INSTANTIATE_TEST_SUITE_P(
    Table, ReadDecimal,
    testing::Values(Decimal{"2003", 2003}, Decimal{"4.6", 4.6}, Decimal{".5", 0.5}, Decimal{"5.", 5}, Decimal{"007", 7},
                    Decimal{"25e-1", 2.5}, Decimal{"32e3", 32000}, Decimal{"2.5", 2.5},
                    // Halfway between two Doubles: to the even one.
                    Decimal{"9007199254740993", 9007199254740992.0}, Decimal{"0.1", 0.1},
                    Decimal{"1.7976931348623157e308", 1.7976931348623157e308},
                    // Subnormal numbers read as they are; below them, nothing.
                    Decimal{"4.9406564584124654e-324", 4.9406564584124654e-324}, Decimal{"1e-310", 1e-310},
                    Decimal{"1e-400", 0, true}, Decimal{"0e999999999999", 0},
                    // Beyond the largest Double.
                    Decimal{"1e309", 0, true}, Decimal{"1.8e308", 0, true}, Decimal{"1e99999999999999999999", 0, true},
                    Decimal{std::string(400, '9'), 0, true}));

}  // namespace
