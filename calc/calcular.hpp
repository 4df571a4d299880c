#pragma once

#include "calc/formulario.hpp"

namespace calc {

// The request behind "Calcular": reads year, month and day, checks them in
// that order and writes exactly one text into the result line, the weekday
// or the first check that failed. A number that does not fit its width
// raises runtime::OverflowError before any check, and the result line is
// then left as it was.
void CmdCalcular_Click(Formulario& form);

}  // namespace calc
