#pragma once

#include <QDialog>
#include <cstdint>
#include <string_view>

#include "calc/calcular.hpp"
#include "calc/formulario.hpp"
#include "form/calcular_o_informar.hpp"

namespace form1 {
struct Control;
enum class Id : std::uint8_t;
}  // namespace form1
class LineaDeResultado;
class QLineEdit;
class QPushButton;

// The program's only window, in Qt: day, month and year boxes under their
// captions, "Calcular" with the result line below it, and "Salir", built
// from the window's table.
//
// A dialog, so that Enter goes to the default button and Esc to reject(),
// which here means "Salir".
class Form1 final : public QDialog, public calc::Formulario {
    Q_OBJECT

public:
    // Throws std::logic_error if a control of the table cannot be found.
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
    void findControls();  // the members, by the names the table gives
    template <typename T>
    T* named(form1::Id id) const;

    form1::Calculation calcular_;
    QLineEdit* txtDia = nullptr;
    QLineEdit* txtmes = nullptr;
    QLineEdit* txtanio = nullptr;
    QPushButton* CmdCalcular = nullptr;
    QPushButton* cmdsalir = nullptr;
    LineaDeResultado* lblsalida = nullptr;
};
