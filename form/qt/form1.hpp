#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <string_view>

#include "calc/calcular.hpp"
#include "calc/formulario.hpp"
#include "form/calcular_o_informar.hpp"
#include "form/form1_layout.hpp"

// The program's only window, in Qt: day, month and year boxes under their
// captions, "Calcular" with the result line below it, and "Salir", built
// from the window's table.
//
// A dialog, so that Enter goes to the default button and Esc to reject(),
// which here means "Salir".
class Form1 final : public QDialog, public calc::Formulario {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr, form1::Calculation calcular = calc::CmdCalcular_Click);

    [[nodiscard]] std::u16string textoDeAnio() const override;
    [[nodiscard]] std::u16string textoDeMes() const override;
    [[nodiscard]] std::u16string textoDeDia() const override;
    void mostrarSalida(std::u16string_view texto) override;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void CmdCalcular_Click();
    void cmdsalir_Click();

private:
    // Each slot runs at the boundary with Qt, which no exception may cross.
    template <typename Event>
    void atTheBoundary(Event event);
    QWidget* makeControl(const form1::Control& control);
    // The control made for the table's id, as the kind it was made.
    template <typename T>
    T* made(form1::Id id) const;

    form1::Calculation calcular_;
    std::array<QWidget*, form1::kControls.size()> controls_{};  // at each control's index
};
