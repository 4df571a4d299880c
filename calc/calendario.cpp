#include "calc/calendario.hpp"

namespace calc {

bool Tiene366Dias(std::int16_t anio)
{
    // Only whether a remainder is zero matters, so negative years behave
    // like their absolute values.
    if (anio % 100 != 0) {
        return anio % 4 == 0;
    }
    return anio % 400 == 0;
}

std::uint8_t DiasDelMes(std::uint8_t mes, std::int16_t anio)
{
    switch (mes) {
        case 1:
        case 3:
        case 5:
        case 7:
        case 8:
        case 10:
        case 12: return 31;
        case 4:
        case 6:
        case 9:
        case 11: return 30;
        case 2:
            // Only February looks at the year.
            return Tiene366Dias(anio) ? 29 : 28;
        default: return 0;
    }
}

}  // namespace calc
