#include "form/qt/program.hpp"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

#include <exception>

#include "form/at_the_boundary.hpp"
#include "form/qt/error_report.hpp"
#include "form/qt/form1.hpp"
#include "form/qt/qt_text.hpp"

namespace {

// Qt reads PNG itself. Left to guess the format, it would first load every
// image plug-in installed to ask each whether it wants the file, which costs
// start-up time and memory for nothing.
QPixmap pngIcon(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

void installSpanishTranslations()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    }
}

int runProgram(int& argc, char** argv)
{
    const QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("calculador-fechas"));
    QApplication::setApplicationVersion(QStringLiteral(CALCULADOR_VERSION_TEXT));
    QApplication::setDesktopFileName(QStringLiteral(CALCULADOR_APP_ID));
    installSpanishTranslations();
    QIcon icon;
    icon.addPixmap(pngIcon(QStringLiteral(":/icons/16x16/calculador-fechas.png")));
    icon.addPixmap(pngIcon(QStringLiteral(":/icons/32x32/calculador-fechas.png")));
    QApplication::setWindowIcon(icon);

    try {
        Form1 form;
        form.show();
        return QApplication::exec();
    } catch (const std::exception&) {
        showReport(nullptr, toQString(form1::kWindowRefused));
        return 1;
    }
}

void endProgram(int status)
{
    QApplication::exit(status);
}
