#include "form/qt/form1.hpp"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <stdexcept>
#include <string>

#include "form/at_the_boundary.hpp"
#include "form/form1_layout.hpp"
#include "form/qt/error_report.hpp"
#include "form/qt/linea_de_resultado.hpp"
#include "form/qt/program.hpp"
#include "form/qt/qt_text.hpp"
#include "runtime/errors.hpp"

namespace {

QFont qtFont(const form1::Font& font)
{
    QFont made(toQString(font.family));
    made.setPointSizeF(font.points);
    made.setWeight(QFont::Normal);
    return made;
}

QRect toPixels(const TwipRect& place, int dotsPerInchX, int dotsPerInchY)
{
    return {twipsToPixels(place.left, dotsPerInchX), twipsToPixels(place.top, dotsPerInchY),
            twipsToPixels(place.width, dotsPerInchX), twipsToPixels(place.height, dotsPerInchY)};
}

QString qtName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

}  // namespace

Form1::Form1(QWidget* parent, form1::Calculation calcular)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      calcular_(calcular)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(toQString(form1::kTitle));
    setFont(qtFont(form1::kFormFont));
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    setFixedSize(twipsToPixels(form1::kClientWidth, dpiX), twipsToPixels(form1::kClientHeight, dpiY));

    for (const form1::Control& control : form1::kControls) {
        QWidget* widget = makeControl(control);
        widget->setObjectName(qtName(control.name));
        widget->setGeometry(toPixels(control.place, dpiX, dpiY));
        if (control.ownFont) {
            widget->setFont(qtFont(form1::kControlFont));
        }
        controls_.at(form1::indexOf(control.id)) = widget;
    }

    // Each caption names its box, which is how a screen reader announces it.
    for (const form1::Control& control : form1::kControls) {
        if (control.captionOf) {
            made<QLabel>(control.id)->setBuddy(made<QWidget>(*control.captionOf));
        }
    }
    QWidget* previous = nullptr;
    for (const form1::Id id : form1::tabOrder()) {
        if (!form1::takesFocus(form1::control(id))) {
            continue;
        }
        QWidget* widget = made<QWidget>(id);
        if (previous == nullptr) {
            widget->setFocus();
        } else {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }

    connect(made<QPushButton>(form1::Id::CmdCalcular), &QPushButton::clicked, this, &Form1::CmdCalcular_Click);
    connect(made<QPushButton>(form1::Id::cmdsalir), &QPushButton::clicked, this, &Form1::cmdsalir_Click);
}

QWidget* Form1::makeControl(const form1::Control& control)
{
    const QString caption = toQString(control.caption);
    switch (control.kind) {
        case form1::Kind::TextBox: {
            auto* box = new QLineEdit(this);
            if (control.maxLength > 0) {
                box->setMaxLength(control.maxLength);
            }
            return box;
        }
        case form1::Kind::Label: {
            auto* label = new QLabel(caption, this);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case form1::Kind::ResultLine: {
            auto* line = new LineaDeResultado(this);
            line->setWordWrap(true);
            line->setAccessibleDescription(QStringLiteral("Resultado"));
            return line;
        }
        case form1::Kind::CommandButton: {
            auto* button = new QPushButton(caption, this);
            button->setDefault(control.isDefault);
            return button;
        }
    }
    return nullptr;
}

template <typename T>
T* Form1::made(form1::Id id) const
{
    T* control = qobject_cast<T*>(controls_.at(form1::indexOf(id)));
    if (control == nullptr) {
        throw std::logic_error("Form1: " + std::string(form1::control(id).name) + " was not made as that kind");
    }
    return control;
}

std::u16string Form1::textoDeAnio() const
{
    return made<QLineEdit>(form1::Id::txtanio)->text().toStdU16String();
}
std::u16string Form1::textoDeMes() const
{
    return made<QLineEdit>(form1::Id::txtmes)->text().toStdU16String();
}
std::u16string Form1::textoDeDia() const
{
    return made<QLineEdit>(form1::Id::txtDia)->text().toStdU16String();
}

void Form1::mostrarSalida(std::u16string_view texto)
{
    made<LineaDeResultado>(form1::Id::lblsalida)->mostrar(toQString(texto));
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
    atTheBoundary([this] { made<QPushButton>(form1::cancelButton().id)->click(); });
}

void Form1::CmdCalcular_Click()
{
    atTheBoundary([this] {
        form1::calcularOInformar(*this, calcular_,
                                 [this](const runtime::RuntimeError& error) { reportRuntimeError(this, error); });
    });
}

void Form1::cmdsalir_Click()
{
    atTheBoundary([] { endProgram(); });
}

template <typename Event>
void Form1::atTheBoundary(Event event)
{
    form1::atTheBoundary(event, [this] {
        showReport(this, toQString(form1::kUnexpectedError));
        endProgram(form1::kUnexpectedErrorStatus);
    });
}
