#include "calc/calendario.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>

#include "support/chrono_weekday.hpp"

namespace {

struct MonthLength {
    int mes;
    int anio;
    int dias;
};

class DiasDelMes : public testing::TestWithParam<MonthLength> {};
TEST_P(DiasDelMes, Edges)
{
    const auto& [mes, anio, dias] = GetParam();
    EXPECT_EQ(calc::DiasDelMes(static_cast<std::uint8_t>(mes), static_cast<std::int16_t>(anio)), dias);
}
INSTANTIATE_TEST_SUITE_P(Table, DiasDelMes,
                         testing::Values(MonthLength{2, 2000, 29}, MonthLength{2, 1900, 28}, MonthLength{2, 2004, 29},
                                         MonthLength{2, 2003, 28}, MonthLength{4, 1000, 30}, MonthLength{4, -5, 30},
                                         MonthLength{8, 32767, 31}, MonthLength{8, -32768, 31}, MonthLength{0, 2000, 0},
                                         MonthLength{13, 2000, 0}, MonthLength{255, 2000, 0}, MonthLength{2, -4, 29},
                                         MonthLength{2, -100, 28}, MonthLength{2, -400, 29}));

struct Leap {
    int anio;
    bool leap;
};

class Tiene366Dias : public testing::TestWithParam<Leap> {};
TEST_P(Tiene366Dias, Edges)
{
    EXPECT_EQ(calc::Tiene366Dias(static_cast<std::int16_t>(GetParam().anio)), GetParam().leap);
}
INSTANTIATE_TEST_SUITE_P(Table, Tiene366Dias,
                         testing::Values(Leap{1600, true}, Leap{2400, true}, Leap{32764, true}, Leap{1700, false},
                                         Leap{1800, false}, Leap{2100, false}, Leap{32767, false}, Leap{0, true},
                                         Leap{-32768, true}, Leap{-1, false}));

// Every 16-bit year, against the standard library; std::chrono::year stops
// at -32767, so the one year below it is checked in the table above.
TEST(WholeDomain, Tiene366DiasAgreesWithChronoForEveryYear)
{
    for (int anio = -32767; anio <= std::numeric_limits<std::int16_t>::max(); ++anio) {
        ASSERT_EQ(calc::Tiene366Dias(static_cast<std::int16_t>(anio)), std::chrono::year{anio}.is_leap()) << anio;
    }
}

// Every month number a byte can hold, in every year the request accepts.
TEST(WholeDomain, DiasDelMesAgreesWithChronoForEveryMonthOfEveryAcceptedYear)
{
    for (int anio = 1000; anio <= std::numeric_limits<std::int16_t>::max(); ++anio) {
        for (int mes = 0; mes <= std::numeric_limits<std::uint8_t>::max(); ++mes) {
            const unsigned expected = mes >= 1 && mes <= 12 ? testing_support::chronoMonthLength(mes, anio) : 0;
            ASSERT_EQ(calc::DiasDelMes(static_cast<std::uint8_t>(mes), static_cast<std::int16_t>(anio)), expected)
                << mes << "/" << anio;
        }
    }
}

}  // namespace
