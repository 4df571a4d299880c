#include "calc/nombre_del_dia.hpp"

#include <array>
#include <cmath>

#include "runtime/checked.hpp"
#include "runtime/conversions.hpp"
#include "runtime/errors.hpp"

namespace calc {
namespace {

using runtime::checkedAdd;
using runtime::checkedMul;
using runtime::checkedSub;
using std::int16_t;
using std::int32_t;

// Days in a year and the month factor of the astronomical day count. The
// month factor sits a little above 30.6 so that no product that ought to be
// a whole number is truncated down by a rounding error.
constexpr double kDiasPorAnio = 365.25;
constexpr double kFactorDeMes = 30.6001;

// Indexed by (day count + 5) mod 7.
constexpr std::array<std::u16string_view, 7> kNombres = {
    u"S\u00E1bado", u"Domingo", u"Lunes", u"Martes", u"Mi\u00E9rcoles", u"Jueves", u"Viernes",
};

// A product that is infinite or NaN is exactly one that raised the invalid,
// overflow or division-by-zero status, so its status is tested on the value.
double checkedProduct(double a, double b)
{
    const double product = a * b;
    if (!std::isfinite(product)) {
        runtime::raiseFloatingPointError();
    }
    return product;
}

}  // namespace

std::u16string_view NombreDelDia(std::uint8_t dia, std::uint8_t mes, int16_t anio)
{
    // January and February count as months 13 and 14 of the year before,
    // so that the leap day comes last in the reckoned year.
    const std::uint8_t a = runtime::toByte(static_cast<int16_t>(checkedSub<int16_t>(12, mes) / 10));
    const int16_t y = checkedSub<int16_t>(anio, a);
    const int16_t m = checkedAdd<int16_t>(checkedMul<int16_t>(a, 12), mes);

    // Gregorian correction: drop the century leap days, but keep those of
    // every fourth century.
    const int16_t c = static_cast<int16_t>(y / 100);
    const int16_t b = checkedAdd<int16_t>(checkedSub<int16_t>(2, c), static_cast<int16_t>(c / 4));

    // Days before the year, and before the month within the year.
    const int32_t d = runtime::truncToInt32(checkedProduct(y, kDiasPorAnio));
    const int32_t e = runtime::truncToInt32(checkedProduct(checkedAdd<int16_t>(m, 1), kFactorDeMes));

    // The day count, and its place in the week; the shift by 5 puts
    // Saturday at 0, where the table of names starts.
    const int32_t s = checkedAdd<int32_t>(checkedAdd<int32_t>(checkedAdd<int32_t>(b, d), e), dia);
    const std::uint8_t w = runtime::toByte(checkedAdd<int32_t>(s, 5) % 7);
    return kNombres.at(w);
}

}  // namespace calc
