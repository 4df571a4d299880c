#pragma once

#include <array>
#include <chrono>
#include <string_view>

namespace testing_support {

// The Spanish weekday name of a proleptic Gregorian date, by the standard
// library's own calendar: the independent reference for the program's.
inline std::u16string_view chronoWeekdayName(int dia, int mes, int anio)
{
    using namespace std::chrono;
    static constexpr std::array<std::u16string_view, 7> kFromSunday = {
        u"Domingo", u"Lunes", u"Martes", u"Mi\u00E9rcoles", u"Jueves", u"Viernes", u"S\u00E1bado",
    };
    const year_month_day date{year{anio}, month{static_cast<unsigned>(mes)}, day{static_cast<unsigned>(dia)}};
    return kFromSunday.at(weekday{sys_days{date}}.c_encoding());
}

inline unsigned chronoMonthLength(int mes, int anio)
{
    using namespace std::chrono;
    const year_month_day_last last{year{anio}, month_day_last{month{static_cast<unsigned>(mes)}}};
    return static_cast<unsigned>(last.day());
}

}  // namespace testing_support
