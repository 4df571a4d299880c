#pragma once

#include <string_view>

// Where an event enters the program from C or from the toolkit (a window
// procedure, a hook, a slot), no exception may pass. A run-time error of a
// calculation is reported where it happens, and the window stays; anything
// else (no memory left, a call of the system that failed) leaves the
// program's state unknown, so it is reported with this text and the program
// ends with this status.
namespace form1 {

inline constexpr std::u16string_view kUnexpectedError = u"Error inesperado: el programa se cerrar\u00E1.";
inline constexpr int kUnexpectedErrorStatus = 1;
// And when the window cannot be made at all.
inline constexpr std::u16string_view kWindowRefused = u"No se pudo abrir la ventana.";

// Runs one event; whatever it throws is handed to endWithReport instead.
template <typename Event, typename EndWithReport>
void atTheBoundary(Event event, EndWithReport endWithReport) noexcept
{
    try {
        event();
    } catch (...) {
        endWithReport();
    }
}

}  // namespace form1
