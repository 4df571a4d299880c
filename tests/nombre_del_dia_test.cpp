#include "calc/nombre_del_dia.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "calc/calendario.hpp"
#include "runtime/errors.hpp"
#include "support/chrono_weekday.hpp"

namespace {

struct Dated {
    int dia = 0;
    int mes = 0;
    int anio = 0;
    std::u16string nombre;
};

std::u16string nombreDe(int dia, int mes, int anio)
{
    return std::u16string(calc::NombreDelDia(static_cast<std::uint8_t>(dia), static_cast<std::uint8_t>(mes),
                                             static_cast<std::int16_t>(anio)));
}

class NombreDelDia : public testing::TestWithParam<Dated> {};
TEST_P(NombreDelDia, Edges)
{
    const auto& [dia, mes, anio, nombre] = GetParam();
    EXPECT_EQ(nombreDe(dia, mes, anio), nombre);
}
INSTANTIATE_TEST_SUITE_P(Table, NombreDelDia,
                         testing::Values(Dated{1, 1, 1000, u"Mi\u00E9rcoles"}, Dated{7, 5, 2003, u"Mi\u00E9rcoles"},
                                         Dated{1, 1, 2000, u"S\u00E1bado"}, Dated{29, 2, 2000, u"Martes"},
                                         Dated{31, 12, 1999, u"Viernes"},
                                         // No switch to the Julian calendar in 1582.
                                         Dated{15, 10, 1582, u"Viernes"}, Dated{4, 10, 1582, u"Lunes"},
                                         Dated{1, 1, 10000, u"S\u00E1bado"}, Dated{31, 12, 32767, u"Domingo"},
                                         // Across the change of month, where January and February count as
                                         // months of the year before.
                                         Dated{31, 1, 2000, u"Lunes"}, Dated{1, 2, 2000, u"Martes"},
                                         Dated{1, 3, 2000, u"Mi\u00E9rcoles"}, Dated{28, 2, 1000, u"Viernes"},
                                         Dated{1, 3, 1000, u"S\u00E1bado"}));

// The request never asks for these, but the reckoning still keeps its
// contract for any argument its types allow: one of the seven names, or
// Overflow where a step leaves its width.
struct Arguments {
    int dia;
    int mes;
    int anio;
};

class NombreDelDiaOutsideTheCalendar : public testing::TestWithParam<Arguments> {};
TEST_P(NombreDelDiaOutsideTheCalendar, NamesADayOrRaisesOverflow)
{
    static const std::u16string kDays[] = {u"Lunes",   u"Martes",      u"Mi\u00E9rcoles", u"Jueves",
                                           u"Viernes", u"S\u00E1bado", u"Domingo"};
    const auto& [dia, mes, anio] = GetParam();
    try {
        EXPECT_NE(std::find(std::begin(kDays), std::end(kDays), nombreDe(dia, mes, anio)), std::end(kDays));
    } catch (const runtime::OverflowError&) {
        SUCCEED();
    }
}
INSTANTIATE_TEST_SUITE_P(Table, NombreDelDiaOutsideTheCalendar,
                         testing::Values(Arguments{0, 0, 0}, Arguments{0, 3, 0}, Arguments{1, 21, 2000},
                                         Arguments{255, 21, 2000}, Arguments{0, 3, -3}, Arguments{7, 3, -3},
                                         Arguments{1, 22, 2000}, Arguments{0, 255, 32767}, Arguments{1, 1, -32768},
                                         Arguments{1, 2, -32768}, Arguments{1, 3, -32768}, Arguments{1, 3, -3},
                                         Arguments{6, 3, -3}, Arguments{255, 255, 32767}, Arguments{0, 0, -1}));

// Every date the request accepts: 11,603,023 of them.
TEST(WholeDomain, NombreDelDiaAgreesWithChronoForEveryAcceptedDate)
{
    long dates = 0;
    for (int anio = 1000; anio <= 32767; ++anio) {
        for (int mes = 1; mes <= 12; ++mes) {
            const int dias = calc::DiasDelMes(static_cast<std::uint8_t>(mes), static_cast<std::int16_t>(anio));
            for (int dia = 1; dia <= dias; ++dia, ++dates) {
                const auto got = calc::NombreDelDia(static_cast<std::uint8_t>(dia), static_cast<std::uint8_t>(mes),
                                                    static_cast<std::int16_t>(anio));
                ASSERT_EQ(got, testing_support::chronoWeekdayName(dia, mes, anio)) << dia << "/" << mes << "/" << anio;
            }
        }
    }
    EXPECT_EQ(dates, 11'603'023);
}

}  // namespace
