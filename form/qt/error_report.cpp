#include "form/qt/error_report.hpp"

#include <QMessageBox>
#include <QPushButton>

#include "form/error_report_text.hpp"
#include "form/form1_layout.hpp"
#include "form/qt/qt_text.hpp"

void reportRuntimeError(QWidget* parent, const runtime::RuntimeError& error)
{
    showReport(parent, toQString(form1::reportText(error)));
}

void showReport(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, toQString(form1::kTitle), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("errorReport"));
    box.button(QMessageBox::Ok)->setText(toQString(form1::kReportButton));
    // Screen readers speak the labels of an alert as it appears, but pass
    // over a label that takes the focus, as newer Qt makes a message's text.
    // So the text cannot be selected: Qt's message box copies itself with
    // Ctrl+C only on Windows, and here being heard comes first.
    box.setTextInteractionFlags(Qt::NoTextInteraction);
    box.exec();
}
