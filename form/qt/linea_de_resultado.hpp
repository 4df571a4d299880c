#pragma once

#include <QLabel>

// The result line. Screen readers ignore a label whose text changes, so to
// them it is a notification: each result is announced as soon as it is
// shown, even when it is the same as the one before, wherever the focus is.
class LineaDeResultado final : public QLabel {
    Q_OBJECT

public:
    explicit LineaDeResultado(QWidget* parent);

    void mostrar(const QString& texto);
};
