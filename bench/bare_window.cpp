// The floor for start-up: a bare Qt Widgets window of the program's size,
// built with the same flags as the program. With --text-box it holds one
// empty line edit, the least that brings in Qt's text and input machinery,
// which any window with an entry box pays for.

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[])
{
    const QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Ventana desnuda"));
    window.setFixedSize(312, 213);
    if (QApplication::arguments().contains(QStringLiteral("--text-box"))) {
        new QLineEdit(&window);  // owned by the window
    }
    window.show();
    return QApplication::exec();
}
