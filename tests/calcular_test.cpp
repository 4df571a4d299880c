#include "calc/calcular.hpp"

#include <gtest/gtest.h>

#include <string>

#include "calc/textos.hpp"
#include "runtime/errors.hpp"
#include "support/fake_form.hpp"

namespace {

using testing_support::FakeForm;

// Boxes as typed, day / month / year, and the one text the result line shows.
struct Request {
    std::u16string dia;
    std::u16string mes;
    std::u16string anio;
    std::u16string salida;
};

class CmdCalcularShows : public testing::TestWithParam<Request> {};

TEST_P(CmdCalcularShows, ExactlyOneText)
{
    const auto& [dia, mes, anio, salida] = GetParam();
    FakeForm form(dia, mes, anio);
    calc::CmdCalcular_Click(form);
    EXPECT_EQ(form.salida(), salida);
    EXPECT_EQ(form.escrituras(), 1);
}

// Written out here, not taken from the program: a changed letter fails.
const std::u16string kMalAnio = u"Mal a\u00F1o";
const std::u16string kMalMes = u"Mal mes";
const std::u16string kMalDia = u"Mal d\u00ECa";

INSTANTIATE_TEST_SUITE_P(
    Weekdays, CmdCalcularShows,
    testing::Values(Request{u"7", u"5", u"2003", u"Mi\u00E9rcoles"}, Request{u"29", u"2", u"2000", u"Martes"},
                    Request{u"29", u"2", u"2004", u"Domingo"}, Request{u"1", u"1", u"1000", u"Mi\u00E9rcoles"},
                    Request{u"31", u"12", u"9999", u"Viernes"}, Request{u"30", u"4", u"2003", u"Mi\u00E9rcoles"},
                    // Fractions round to the nearest day.
                    Request{u"4.6", u"5", u"2003", u"Lunes"}, Request{u"4.4", u"5", u"2003", u"Domingo"},
                    // Number forms beyond plain digits reach years the box's four
                    // characters cannot spell out.
                    Request{u"1", u"1", u"1e4", u"S\u00E1bado"}, Request{u"31", u"12", u"32767", u"Domingo"},
                    Request{u" 7", u"+5", u"2003 ", u"Mi\u00E9rcoles"}));

INSTANTIATE_TEST_SUITE_P(BadDates, CmdCalcularShows,
                         testing::Values(Request{u"1", u"1", u"999", kMalAnio}, Request{u"1", u"1", u"", kMalAnio},
                                         Request{u"1", u"1", u"abc", kMalAnio}, Request{u"1", u"1", u"-2003", kMalAnio},
                                         Request{u"1", u"1", u"999.4", kMalAnio}, Request{u"", u"", u"", kMalAnio},
                                         Request{u"1", u"0", u"2003", kMalMes}, Request{u"1", u"13", u"2003", kMalMes},
                                         Request{u"1", u"99", u"2003", kMalMes}, Request{u"1", u"", u"2003", kMalMes},
                                         Request{u"0", u"5", u"2003", kMalDia}, Request{u"", u"5", u"2003", kMalDia},
                                         Request{u"29", u"2", u"1900", kMalDia}, Request{u"31", u"4", u"2003", kMalDia},
                                         Request{u"255", u"5", u"2003", kMalDia},
                                         // Only the first failed check shows: year, then month, then day.
                                         Request{u"0", u"13", u"500", kMalAnio},
                                         Request{u"0", u"13", u"2003", kMalMes}));

class CmdCalcularOverflows : public testing::TestWithParam<Request> {};

TEST_P(CmdCalcularOverflows, RaisesAndLeavesTheResultLineUnwritten)
{
    const auto& [dia, mes, anio, unused] = GetParam();
    FakeForm form(dia, mes, anio);
    EXPECT_THROW(calc::CmdCalcular_Click(form), runtime::OverflowError);
    EXPECT_EQ(form.escrituras(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, CmdCalcularOverflows,
                         testing::Values(Request{u"1", u"-1", u"2003", {}}, Request{u"256", u"5", u"2003", {}},
                                         Request{u"-1", u"5", u"2003", {}}, Request{u"1", u"1", u"32768", {}},
                                         Request{u"1", u"1", u"-32769", {}}, Request{u"1", u"1", u"1e5", {}},
                                         Request{u"1", u"1", u"1e400", {}},
                                         // Conversions all come before the first check, so the error
                                         // comes even where an earlier check would already fail.
                                         Request{u"300", u"5", u"abc", {}}, Request{u"300", u"13", u"999", {}},
                                         Request{u"1", u"-1", u"500", {}}));

TEST(CmdCalcular, ReplacesTheFormerResult)
{
    FakeForm form(u"7", u"5", u"2003");
    calc::CmdCalcular_Click(form);
    calc::CmdCalcular_Click(form);  // the same request writes again, to be announced again
    EXPECT_EQ(form.salida(), u"Mi\u00E9rcoles");
    EXPECT_EQ(form.escrituras(), 2);
    form.teclearDia(u"8");
    calc::CmdCalcular_Click(form);
    EXPECT_EQ(form.salida(), u"Jueves");
    EXPECT_EQ(form.escrituras(), 3);
}

TEST(ResultTexts, KeepTheirExactLetters)
{
    // ñ and the grave-accented ì, not the acute í.
    EXPECT_EQ(calc::kMalAnio, kMalAnio);
    EXPECT_EQ(calc::kMalDia, kMalDia);
}

}  // namespace
