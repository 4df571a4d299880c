#include "form/form1.hpp"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/calcular.hpp"
#include "form/error_report.hpp"
#include "form/linea_de_resultado.hpp"
#include "form/program.hpp"
#include "form/qt_text.hpp"
#include "form/twips.hpp"
#include "runtime/errors.hpp"

namespace {

// The client area, in twips.
constexpr int kFormWidth = 4680;
constexpr int kFormHeight = 3195;

QFont pointFont(const QString& family)
{
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setWeight(QFont::Normal);
    return font;
}

// The window's own font, and the one most controls carry; where a family is
// missing the system picks its nearest match.
QFont formFont()
{
    return pointFont(QStringLiteral("Tahoma"));
}
QFont controlFont()
{
    return pointFont(QStringLiteral("MS Sans Serif"));
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      txtDia(new QLineEdit(this)),
      txtmes(new QLineEdit(this)),
      cmdsalir(new QPushButton(QStringLiteral("&Salir"), this)),
      CmdCalcular(new QPushButton(QStringLiteral("&Calcular"), this)),
      txtanio(new QLineEdit(this)),
      Label3(new QLabel(QStringLiteral("Ingrese el d\u00ECa"), this)),
      Label2(new QLabel(QStringLiteral("Ingrese el a\u00F1o"), this)),
      Label1(new QLabel(QStringLiteral("Ingrese el mes"), this)),
      lblsalida(new LineaDeResultado(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Calculador de fechas"));
    setFont(formFont());

    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    setFixedSize(twipsToPixels(kFormWidth, dpiX), twipsToPixels(kFormHeight, dpiY));

    struct Control {
        QWidget* widget;
        const char* name;
        TwipRect place;
        bool ownFont;
    };
    const Control controls[] = {
        {txtDia, "txtDia", {480, 720, 735, 285}, false},
        {txtmes, "txtmes", {1440, 720, 735, 285}, true},
        {cmdsalir, "cmdsalir", {3600, 240, 855, 735}, true},
        {CmdCalcular, "CmdCalcular", {1080, 1080, 1575, 495}, true},
        {txtanio, "txtanio", {2400, 720, 735, 285}, true},
        {Label3, "Label3", {480, 120, 735, 375}, false},
        {Label2, "Label2", {2400, 120, 735, 495}, false},
        {Label1, "Label1", {1440, 120, 735, 495}, false},
        {lblsalida, "lblsalida", {1080, 1680, 1575, 255}, true},
    };
    for (const Control& control : controls) {
        control.widget->setObjectName(QLatin1String(control.name));
        control.widget->setGeometry(control.place.toPixels(dpiX, dpiY));
        if (control.ownFont) {
            control.widget->setFont(controlFont());
        }
    }

    txtmes->setMaxLength(2);
    txtanio->setMaxLength(4);

    // Each caption names its box, which is how a screen reader announces it.
    for (QLabel* caption : {Label3, Label2, Label1}) {
        caption->setWordWrap(true);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    Label3->setBuddy(txtDia);
    Label1->setBuddy(txtmes);
    Label2->setBuddy(txtanio);
    lblsalida->setWordWrap(true);
    lblsalida->setAccessibleDescription(QStringLiteral("Resultado"));

    CmdCalcular->setDefault(true);

    setTabOrder(txtDia, txtmes);
    setTabOrder(txtmes, txtanio);
    setTabOrder(txtanio, CmdCalcular);
    setTabOrder(CmdCalcular, cmdsalir);
    txtDia->setFocus();

    connect(CmdCalcular, &QPushButton::clicked, this, &Form1::CmdCalcular_Click);
    connect(cmdsalir, &QPushButton::clicked, this, &Form1::cmdsalir_Click);
}

std::u16string Form1::textoDeAnio() const
{
    return txtanio->text().toStdU16String();
}
std::u16string Form1::textoDeMes() const
{
    return txtmes->text().toStdU16String();
}
std::u16string Form1::textoDeDia() const
{
    return txtDia->text().toStdU16String();
}

void Form1::mostrarSalida(std::u16string_view texto)
{
    lblsalida->mostrar(toQString(texto));
}

// A dialog centres itself when first shown, and so tells the window manager
// that its place was chosen; the window manager places a new window instead.
void Form1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);  // NOLINT(bugprone-parent-virtual-call): skips QDialog's centring on purpose
}

// Esc, and closing the window, both end the program as "Salir" does.
void Form1::reject()
{
    cmdsalir->click();
}

void Form1::CmdCalcular_Click()
{
    // A number that does not fit is reported, and the window stays as it
    // was, so that what was typed can be mended rather than lost.
    try {
        calc::CmdCalcular_Click(*this);
    } catch (const runtime::RuntimeError& error) {
        reportRuntimeError(this, error);
    }
}

void Form1::cmdsalir_Click()
{
    endProgram();
}
