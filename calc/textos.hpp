#pragma once

#include <string_view>

namespace calc {

// The fixed texts of the result line for a date that fails a check. The
// grave accent of "dìa" is the program's own spelling and stays as it is.
inline constexpr std::u16string_view kMalAnio = u"Mal a\u00F1o";
inline constexpr std::u16string_view kMalMes = u"Mal mes";
inline constexpr std::u16string_view kMalDia = u"Mal d\u00ECa";

}  // namespace calc
