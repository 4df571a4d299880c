#pragma once

#include <cstdint>

namespace calc {

// Gregorian leap year: every fourth year, but of the century years only
// those divisible by 400.
bool Tiene366Dias(std::int16_t anio);

// Number of days of month `mes` in year `anio`; 0 when `mes` is no month,
// which is how the request tells a bad month.
std::uint8_t DiasDelMes(std::uint8_t mes, std::int16_t anio);

}  // namespace calc
