#pragma once

#include "calc/calcular.hpp"
#include "calc/formulario.hpp"
#include "runtime/errors.hpp"

namespace form1 {

// "Calcular" as both windows run it. A number that does not fit is
// reported, and the window stays as it was, so that what was typed can be
// mended rather than lost.
template <typename Report>
void calcularOInformar(calc::Formulario& form, Report report)
{
    try {
        calc::CmdCalcular_Click(form);
    } catch (const runtime::RuntimeError& error) {
        report(error);
    }
}

}  // namespace form1
