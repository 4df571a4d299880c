#include "form/web/pagina.hpp"

#include <string>
#include <string_view>

#include "calc/calcular.hpp"
#include "calc/formulario.hpp"
#include "form/at_the_boundary.hpp"
#include "form/calcular_o_informar.hpp"
#include "form/error_report_text.hpp"

namespace {

std::u16string cajas;    // the texts of the day, month and year boxes, one after another
std::u16string salida_;  // what the page is to show

// The page's three boxes and its result line, as the request reads and
// writes them.
class FormularioDeLaPagina final : public calc::Formulario {
public:
    FormularioDeLaPagina(std::u16string_view dia, std::u16string_view mes, std::u16string_view anio)
        : dia_(dia), mes_(mes), anio_(anio)
    {
    }

    [[nodiscard]] std::u16string textoDeAnio() const override { return std::u16string(anio_); }
    [[nodiscard]] std::u16string textoDeMes() const override { return std::u16string(mes_); }
    [[nodiscard]] std::u16string textoDeDia() const override { return std::u16string(dia_); }
    void mostrarSalida(std::u16string_view texto) override { salida_ = texto; }

private:
    std::u16string_view dia_;
    std::u16string_view mes_;
    std::u16string_view anio_;
};

}  // namespace

extern "C" {

char16_t* espacioParaLasCajas(std::int32_t unidades)
{
    char16_t* espacio = nullptr;
    form1::atTheBoundary(
        [&] {
            cajas.assign(static_cast<std::size_t>(unidades < 0 ? 0 : unidades), u'\0');
            espacio = cajas.data();
        },
        [] { salida_ = form1::kUnexpectedError; });
    return espacio;
}

Respuesta calcular(std::int32_t largoDia, std::int32_t largoMes, std::int32_t largoAnio)
{
    // Called from the page's script: nothing may be thrown past here.
    Respuesta respuesta = kResultado;
    form1::atTheBoundary(
        [&] {
            const std::u16string_view textos(cajas);
            const auto dia = textos.substr(0, static_cast<std::size_t>(largoDia));
            const auto mes = textos.substr(dia.size(), static_cast<std::size_t>(largoMes));
            const auto anio = textos.substr(dia.size() + mes.size(), static_cast<std::size_t>(largoAnio));
            FormularioDeLaPagina form(dia, mes, anio);
            form1::calcularOInformar(form, calc::CmdCalcular_Click, [&](const runtime::RuntimeError& error) {
                salida_ = form1::reportText(error);
                respuesta = kInforme;
            });
        },
        [&] {
            salida_ = form1::kUnexpectedError;
            respuesta = kErrorInesperado;
        });
    return respuesta;
}

const char16_t* salida()
{
    return salida_.c_str();
}

std::int32_t largoDeSalida()
{
    return static_cast<std::int32_t>(salida_.size());
}
}
