// Both ways of reading a decimal number give the same Double, so that the
// browser's build, which has no from_chars for double, answers as the
// desktop's does.

#include "runtime/read_decimal.hpp"

#include <gtest/gtest.h>

#include <random>
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

TEST_P(ReadDecimal, Exactly)
{
    expectReading(runtime::readDecimalExactly(GetParam().ascii), GetParam());
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
                    Decimal{"1e-400", 0, true}, Decimal{"0e999999999999", 0}, Decimal{"2e-324", 0, true},
                    Decimal{"3e-324", 4.9406564584124654e-324},
                    Decimal{"2.2250738585072011e-308", 2.225073858507201e-308},
                    // Halfway cases decided only by a digit far past the 17th.
                    Decimal{"9007199254740993.0000000000000000000000000000000000001", 9007199254740994.0},
                    Decimal{std::string("9007199254740993.").append(900, '0'), 9007199254740992.0},
                    Decimal{std::string("9007199254740993.").append(900, '0').append("1"), 9007199254740994.0},
                    Decimal{std::string("0.").append(300, '0').append("1e300"), 0.1}, Decimal{"1E+3", 1000},
                    // Beyond the largest Double.
                    Decimal{"1e309", 0, true}, Decimal{"1.8e308", 0, true}, Decimal{"1e99999999999999999999", 0, true},
                    Decimal{std::string(400, '9'), 0, true}));

#if defined(__cpp_lib_to_chars)
// Seeded random numbers, of up to 30 digits and exponents that reach past
// both ends of the range, read both ways.
TEST(ReadDecimal, ExactlyAsFromChars)
{
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 200'000; ++i) {
        std::string ascii;
        for (auto n = random() % 30 + 1; n > 0; --n) {
            ascii += static_cast<char>('0' + random() % 10);
        }
        if (random() % 2 != 0) {
            ascii.insert(ascii.begin() + static_cast<std::ptrdiff_t>(random() % (ascii.size() + 1)), '.');
        }
        ascii.append("e").append(std::to_string(static_cast<int>(random() % 700) - 350));
        const auto exact = runtime::readDecimalExactly(ascii);
        const auto library = runtime::readDecimalWithFromChars(ascii);
        ASSERT_EQ(exact.value, library.value) << ascii;
        ASSERT_EQ(exact.beyondRange, library.beyondRange) << ascii;
    }
}
#endif

}  // namespace
