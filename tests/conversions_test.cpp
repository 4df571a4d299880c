#include "runtime/conversions.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "runtime/errors.hpp"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Rounding {
    double in;
    int out;
};

class RoundToInt16 : public testing::TestWithParam<Rounding> {};
TEST_P(RoundToInt16, NearestHalvesToEven)
{
    EXPECT_EQ(runtime::roundToInt16(GetParam().in), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(Table, RoundToInt16,
                         testing::Values(Rounding{2003, 2003}, Rounding{4.4, 4}, Rounding{4.6, 5}, Rounding{2.5, 2},
                                         Rounding{3.5, 4}, Rounding{-2.5, -2}, Rounding{-3.5, -4}, Rounding{-0.5, 0},
                                         Rounding{0.49999999999999994, 0}, Rounding{32767.4, 32767},
                                         Rounding{-32768.5, -32768}, Rounding{-32767.6, -32768}));

class RoundToByte : public testing::TestWithParam<Rounding> {};
TEST_P(RoundToByte, NearestHalvesToEven)
{
    EXPECT_EQ(runtime::roundToByte(GetParam().in), GetParam().out);
}
INSTANTIATE_TEST_SUITE_P(Table, RoundToByte,
                         testing::Values(Rounding{0, 0}, Rounding{-0.5, 0}, Rounding{-0.4, 0}, Rounding{0.5, 0},
                                         Rounding{1.5, 2}, Rounding{254.5, 254}, Rounding{255, 255},
                                         Rounding{255.4, 255}, Rounding{12.5, 12}));

class RoundToInt16Overflows : public testing::TestWithParam<double> {};
TEST_P(RoundToInt16Overflows, RaisesOverflow)
{
    EXPECT_THROW(runtime::roundToInt16(GetParam()), runtime::OverflowError);
}
INSTANTIATE_TEST_SUITE_P(Table, RoundToInt16Overflows,
                         testing::Values(32768.0, 32767.5, -32769.0, -32768.6, 1e10, -1e300, kInf, -kInf, kNaN));

class RoundToByteOverflows : public testing::TestWithParam<double> {};
TEST_P(RoundToByteOverflows, RaisesOverflow)
{
    EXPECT_THROW(runtime::roundToByte(GetParam()), runtime::OverflowError);
}
INSTANTIATE_TEST_SUITE_P(Table, RoundToByteOverflows,
                         testing::Values(-1.0, -0.6, 255.5, 256.0, 300.0, 1e6, kInf, -kInf, kNaN));

}  // namespace
