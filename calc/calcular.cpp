#include "calc/calcular.hpp"

#include <cstdint>

#include "calc/calendario.hpp"
#include "calc/nombre_del_dia.hpp"
#include "calc/textos.hpp"
#include "runtime/conversions.hpp"
#include "runtime/text_to_number.hpp"

namespace calc {

void CmdCalcular_Click(Formulario& form)
{
    // All three conversions come first: a number that does not fit raises
    // Overflow even when another box is already wrong.
    const std::int16_t anio = runtime::roundToInt16(runtime::textToNumber(form.textoDeAnio()));
    const std::uint8_t mes = runtime::roundToByte(runtime::textToNumber(form.textoDeMes()));
    const std::uint8_t dia = runtime::roundToByte(runtime::textToNumber(form.textoDeDia()));

    if (anio <= 999) {
        form.mostrarSalida(kMalAnio);
        return;
    }
    const std::uint8_t dias = DiasDelMes(mes, anio);
    if (dias == 0) {
        form.mostrarSalida(kMalMes);
        return;
    }
    if (dia == 0 || dia > dias) {
        form.mostrarSalida(kMalDia);
        return;
    }
    form.mostrarSalida(NombreDelDia(dia, mes, anio));
}

}  // namespace calc
