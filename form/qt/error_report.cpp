#include "form/qt/error_report.hpp"

#include <QMessageBox>

#include "runtime/errors.hpp"

void reportRuntimeError(QWidget* parent, const runtime::RuntimeError& error)
{
    const QString description = QString::fromStdU16String(error.description());
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Calculador de fechas"),
                    QStringLiteral("Error de ejecuci\u00F3n %1:\n\n%2").arg(error.number()).arg(description),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorReport"));
    box.exec();
}
