#pragma once

#include <QDialog>

#include "calc/formulario.hpp"

class QLabel;
class LineaDeResultado;
class QLineEdit;
class QPushButton;

// The program's only window: day, month and year boxes under their
// captions, "Calcular" with the result line below it, and "Salir".
//
// A dialog, so that Enter goes to the default button and Esc to reject(),
// which here means "Salir".
class Form1 final : public QDialog, public calc::Formulario {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

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
    QLineEdit* txtDia;
    QLineEdit* txtmes;
    QPushButton* cmdsalir;
    QPushButton* CmdCalcular;
    QLineEdit* txtanio;
    QLabel* Label3;
    QLabel* Label2;
    QLabel* Label1;
    LineaDeResultado* lblsalida;
};
