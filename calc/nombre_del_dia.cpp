#include "calc/nombre_del_dia.hpp"

#include <array>
#include <limits>

#include "runtime/checked.hpp"

namespace calc {
namespace {

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

// Whatever the arguments, |y| <= 32768, m + 1 <= 12 + 255 + 1 and
// |b| <= 2 + 327 + 81. So both products are finite and, with every sum of
// the day count, far inside 32 bits: those steps cannot fail, and are left
// unchecked. Only the three steps below that can fail are checked.
static_assert(2 + 327 + 81 + 32768 * kDiasPorAnio + 268 * kFactorDeMes + 255 + 5 < std::numeric_limits<int32_t>::max());

}  // namespace

std::u16string_view NombreDelDia(std::uint8_t dia, std::uint8_t mes, int16_t anio)
{
    // January and February count as months 13 and 14 of the year before,
    // so that the leap day comes last in the reckoned year. From month 22
    // on the flag would be negative, and -32768 has no year before it.
    const std::uint8_t a = runtime::toByte(static_cast<int16_t>((12 - mes) / 10));
    const int16_t y = runtime::checkedSub(anio, a);
    const auto m = static_cast<int16_t>(a * 12 + mes);

    // Gregorian correction: drop the century leap days, but keep those of
    // every fourth century. It is Tiene366Dias's rule counted up to year y
    // (the 365.25 below adds the leap day of every fourth year) rather than
    // asked of one year, so the two are written apart; the whole-domain test
    // holds them to the same calendar.
    const auto c = static_cast<int16_t>(y / 100);
    const auto b = static_cast<int16_t>(2 - c + c / 4);

    // Days before the year, and before the month within the year, each
    // truncated toward zero.
    const auto d = static_cast<int32_t>(y * kDiasPorAnio);
    const auto e = static_cast<int32_t>((m + 1) * kFactorDeMes);

    // The day count, and its place in the week; the shift by 5 puts
    // Saturday at 0, where the table of names starts. A negative count
    // leaves a negative remainder, which the narrowing refuses.
    const int32_t s = b + d + e + dia;
    const std::uint8_t w = runtime::toByte((s + 5) % 7);
    return kNombres.at(w);
}

}  // namespace calc
