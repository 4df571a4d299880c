#pragma once

#include <cstdint>
#include <string_view>

namespace calc {

// Spanish name of the weekday of a proleptic Gregorian date.
//
// Expects what the request has already checked: `anio` at least 1000, `mes`
// 1 to 12 and `dia` within that month. The name is a constant of static
// storage, so the view stays valid for the whole run.
std::u16string_view NombreDelDia(std::uint8_t dia, std::uint8_t mes, std::int16_t anio);

}  // namespace calc
