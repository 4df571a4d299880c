#include "runtime/checked.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>

#include "runtime/errors.hpp"

namespace {

using I16 = std::int16_t;
using I32 = std::int32_t;
constexpr I16 kMax16 = std::numeric_limits<I16>::max();
constexpr I16 kMin16 = std::numeric_limits<I16>::min();
constexpr I32 kMax32 = std::numeric_limits<I32>::max();
constexpr I32 kMin32 = std::numeric_limits<I32>::min();

TEST(Checked16, ResultsAtTheEdgesOfTheRange)
{
    EXPECT_EQ(runtime::checkedAdd<I16>(kMax16 - 1, 1), kMax16);
    EXPECT_EQ(runtime::checkedSub<I16>(kMin16 + 1, 1), kMin16);
    EXPECT_EQ(runtime::checkedMul<I16>(-128, 256), kMin16);
    EXPECT_EQ(runtime::checkedMul<I16>(181, 181), 32761);
}

TEST(Checked16, OverflowRaisesInsteadOfWrapping)
{
    const std::function<void()> overflows[] = {
        [] { runtime::checkedAdd<I16>(kMax16, 1); }, [] { runtime::checkedAdd<I16>(kMin16, -1); },
        [] { runtime::checkedSub<I16>(kMin16, 1); }, [] { runtime::checkedSub<I16>(0, kMin16); },
        [] { runtime::checkedMul<I16>(182, 181); },  [] { runtime::checkedMul<I16>(kMin16, -1); },
    };
    for (const auto& overflow : overflows) {
        EXPECT_THROW(overflow(), runtime::OverflowError);
    }
}

TEST(Checked32, ResultsAtTheEdgesOfTheRange)
{
    EXPECT_EQ(runtime::checkedAdd<I32>(kMax32 - 5, 5), kMax32);
    EXPECT_EQ(runtime::checkedSub<I32>(kMin32 + 5, 5), kMin32);
    EXPECT_EQ(runtime::checkedMul<I32>(-65536, 32768), kMin32);
}

TEST(Checked32, OverflowRaisesInsteadOfWrapping)
{
    const std::function<void()> overflows[] = {
        [] { runtime::checkedAdd<I32>(kMax32, 1); },
        [] { runtime::checkedSub<I32>(kMin32, 1); },
        [] { runtime::checkedMul<I32>(65536, 32768); },
        [] { runtime::checkedMul<I32>(kMin32, -1); },
    };
    for (const auto& overflow : overflows) {
        EXPECT_THROW(overflow(), runtime::OverflowError);
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
    EXPECT_EQ(runtime::FloatingPointError().number(), 16);
    EXPECT_EQ(runtime::FloatingPointError().description(), u"Error en una operaci\u00F3n de coma flotante");
    EXPECT_THROW(runtime::raiseFloatingPointError(), runtime::FloatingPointError);
}

}  // namespace
