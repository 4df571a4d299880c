#pragma once

#include <string>
#include <string_view>

namespace calc {

// What the request needs of the window: the texts of its three entry boxes
// and the result line. Tests drive the request through a fake of it.
class Formulario {
public:
    Formulario() = default;
    Formulario(const Formulario&) = delete;
    Formulario& operator=(const Formulario&) = delete;
    Formulario(Formulario&&) = delete;
    Formulario& operator=(Formulario&&) = delete;
    virtual ~Formulario() = default;

    [[nodiscard]] virtual std::u16string textoDeAnio() const = 0;  // txtanio
    [[nodiscard]] virtual std::u16string textoDeMes() const = 0;   // txtmes
    [[nodiscard]] virtual std::u16string textoDeDia() const = 0;   // txtDia
    virtual void mostrarSalida(std::u16string_view texto) = 0;     // lblsalida
};

}  // namespace calc
