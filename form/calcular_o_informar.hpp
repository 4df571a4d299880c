#pragma once

#include "calc/calcular.hpp"
#include "calc/formulario.hpp"
#include "runtime/errors.hpp"

namespace form1 {

// What "Calcular" runs: the program's request, or in a test one that fails
// as the program's could not be made to.
using Calculation = void (*)(calc::Formulario&);

// "Calcular" as both windows run it. A number that does not fit is
// reported, and the window stays as it was, so that what was typed can be
// mended rather than lost.
template <typename Report>
void calcularOInformar(calc::Formulario& form, Calculation calcular, Report report)
{
    try {
        calcular(form);
    } catch (const runtime::RuntimeError& error) {
        report(error);
    }
}

}  // namespace form1
