#include "form/program.hpp"

#include <QApplication>
#include <QIcon>

#include "form/form1.hpp"

int runProgram(int& argc, char** argv)
{
    const QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("calculador-fechas"));
    QApplication::setApplicationVersion(QStringLiteral(CALCULADOR_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral(CALCULADOR_APP_ID));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/16x16/calculador-fechas.png"));
    icon.addFile(QStringLiteral(":/icons/32x32/calculador-fechas.png"));
    QApplication::setWindowIcon(icon);

    Form1 form;
    form.show();
    return QApplication::exec();
}

void endProgram()
{
    QApplication::exit(0);
}
