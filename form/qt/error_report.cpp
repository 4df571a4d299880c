#include "form/qt/error_report.hpp"

#include <QMessageBox>

#include "form/form1_layout.hpp"
#include "form/qt/qt_text.hpp"
#include "runtime/errors.hpp"

void reportRuntimeError(QWidget* parent, const runtime::RuntimeError& error)
{
    const QString description = QString::fromStdU16String(error.description());
    QMessageBox box(QMessageBox::Critical, toQString(form1::kTitle),
                    QStringLiteral("Error de ejecuci\u00F3n %1:\n\n%2").arg(error.number()).arg(description),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorReport"));
    // Screen readers speak the labels of an alert as it appears, but pass
    // over a label that takes the focus, as newer Qt makes a message's text.
    // Ctrl+C still copies the whole report.
    box.setTextInteractionFlags(Qt::NoTextInteraction);
    box.exec();
}
