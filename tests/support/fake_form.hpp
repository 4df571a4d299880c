#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/formulario.hpp"

namespace testing_support {

// The three boxes as plain texts; the result line is empty until written.
class FakeForm final : public calc::Formulario {
public:
    FakeForm(std::u16string dia, std::u16string mes, std::u16string anio)
        : dia_(std::move(dia)), mes_(std::move(mes)), anio_(std::move(anio))
    {
    }

    // The day typed anew, as a user mends a date between two requests.
    void teclearDia(std::u16string dia) { dia_ = std::move(dia); }

    [[nodiscard]] std::u16string textoDeAnio() const override { return anio_; }
    [[nodiscard]] std::u16string textoDeMes() const override { return mes_; }
    [[nodiscard]] std::u16string textoDeDia() const override { return dia_; }
    void mostrarSalida(std::u16string_view texto) override
    {
        salida_ = texto;
        ++escrituras_;
    }

    [[nodiscard]] const std::optional<std::u16string>& salida() const { return salida_; }
    [[nodiscard]] int escrituras() const { return escrituras_; }

private:
    std::u16string dia_;
    std::u16string mes_;
    std::u16string anio_;
    std::optional<std::u16string> salida_;
    int escrituras_ = 0;
};

}  // namespace testing_support
