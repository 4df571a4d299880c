#include "runtime/checked.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>

#include "runtime/errors.hpp"

namespace {

using I16 = std::int16_t;
using I32 = std::int32_t;
constexpr I16 kMax16 = std::numeric_limits<I16>::max();
constexpr I16 kMin16 = std::numeric_limits<I16>::min();
constexpr I32 kMax32 = std::numeric_limits<I32>::max();

TEST(CheckedSub, KeepsEveryDifferenceThatFits16Bits)
{
    EXPECT_EQ(runtime::checkedSub(I16{kMin16 + 1}, I16{1}), kMin16);
    EXPECT_EQ(runtime::checkedSub(I16{-1}, kMin16), kMax16);
    EXPECT_EQ(runtime::checkedSub(kMax16, kMax16), 0);
}

TEST(CheckedSub, RaisesOverflowInsteadOfWrapping)
{
    const std::pair<I16, I16> overflows[] = {{kMin16, 1}, {0, kMin16}, {kMax16, -1}, {kMin16, kMax16}};
    for (const auto& [a, b] : overflows) {
        EXPECT_THROW(runtime::checkedSub(a, b), runtime::OverflowError) << a << " - " << b;
    }
}

TEST(ToByte, KeepsZeroTo255AndRaisesOutside)
{
    EXPECT_EQ(runtime::toByte(I16{0}), 0);
    EXPECT_EQ(runtime::toByte(I16{255}), 255);
    EXPECT_EQ(runtime::toByte(I32{6}), 6);
    EXPECT_THROW(runtime::toByte(I16{256}), runtime::OverflowError);
    EXPECT_THROW(runtime::toByte(I16{-1}), runtime::OverflowError);
    EXPECT_THROW(runtime::toByte(I32{-1}), runtime::OverflowError);
    EXPECT_THROW(runtime::toByte(kMax32), runtime::OverflowError);
}

TEST(RuntimeErrors, CarryTheirNumberAndSpanishDescription)
{
    EXPECT_EQ(runtime::OverflowError().number(), 6);
    EXPECT_EQ(runtime::OverflowError().description(), u"Desbordamiento");
    EXPECT_THROW(runtime::raiseOverflow(), runtime::OverflowError);
}

}  // namespace
