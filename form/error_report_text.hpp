#pragma once

#include <string>
#include <string_view>

#include "runtime/errors.hpp"

// The report of a run-time error as both windows show it: a modal box under
// the window's title, with the error's number and description and one
// button, in Spanish whatever the system's language.
namespace form1 {

inline constexpr std::u16string_view kReportButton = u"Aceptar";

inline std::u16string reportText(const runtime::RuntimeError& error)
{
    std::u16string text = u"Error de ejecuci\u00F3n ";
    for (const char digit : std::to_string(error.number())) {
        text += static_cast<char16_t>(digit);
    }
    return text + u":\n\n" + error.description();
}

}  // namespace form1
