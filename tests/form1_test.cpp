#include "form/qt/form1.hpp"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <system_error>

#include "form/qt/program.hpp"
#include "form/twips.hpp"

namespace {

// Runs the message loop until something ends it, or gives -1 after a while
// so that a key that fails to end the program fails the test instead of
// hanging it.
int runUntilEnded(const std::function<void()>& action)
{
    // Stopped with the loop, so that it cannot end a later test's loop.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, [] {
        qWarning("the program did not end within 5 s");
        QApplication::exit(-1);
    });
    deadline.start(5000);
    QTimer::singleShot(0, action);
    return QApplication::exec();
}

// How far a pixel lies from the background towards the text colour, 0 to 1;
// -1 if it is off the blend of the two, the only colours anti-aliasing makes.
double towardsText(const QColor& pixel, const QColor& background, const QColor& text)
{
    struct Channel {
        int pixel;
        int background;
        int text;
    };
    const std::array<Channel, 3> channels{{{pixel.red(), background.red(), text.red()},
                                           {pixel.green(), background.green(), text.green()},
                                           {pixel.blue(), background.blue(), text.blue()}}};
    double along = 0;
    double length = 0;
    for (const Channel& c : channels) {
        along += (c.pixel - c.background) * (c.text - c.background);
        length += (c.text - c.background) * (c.text - c.background);
    }
    const double share = along / length;
    const bool blended = std::all_of(channels.begin(), channels.end(), [share](const Channel& c) {
        return std::abs(c.background + share * (c.text - c.background) - c.pixel) <= 3;
    });
    return blended && share >= -0.02 && share <= 1.02 ? std::max(share, 0.0) : -1;
}

// WCAG 2's contrast ratio of two sRGB colours.
double contrastRatio(const QColor& one, const QColor& other)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double a = luminance(one);
    const double b = luminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Form1> form;

    template <typename T>
    T* control(const char* name) const
    {
        auto* found = form->findChild<T*>(QLatin1String(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    QString salida() const { return control<QLabel>("lblsalida")->text(); }

    void typeDate(const QString& dia, const QString& mes, const QString& anio) const
    {
        QTest::keyClicks(box("txtDia"), dia);
        QTest::keyClicks(box("txtmes"), mes);
        QTest::keyClicks(box("txtanio"), anio);
    }

    // A caption fits when it wraps within its label's width, and drawing it
    // in a label twice as tall puts no ink below the label's own height.
    static bool captionFits(const QLabel& label)
    {
        QLabel taller(label.text());
        taller.setFont(label.font());
        taller.setWordWrap(label.wordWrap());
        taller.setAlignment(label.alignment());
        taller.resize(label.width(), 2 * label.height());
        const QImage drawn = taller.grab().toImage();
        const QRgb background = drawn.pixel(drawn.width() - 1, drawn.height() - 1);
        for (int y = qCeil(label.height() * drawn.devicePixelRatio()); y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixel(x, y) != background) {
                    return false;
                }
            }
        }
        const QRect wrapped = label.fontMetrics().boundingRect(label.contentsRect(), Qt::TextWordWrap, label.text());
        return wrapped.width() <= label.contentsRect().width();
    }

    // What the last error report showed, and as what a screen reader took it.
    QString reportShown;
    QAccessible::Role reportRole = QAccessible::NoRole;
    bool textTakesFocus = true;  // screen readers pass over such a label

    // Watches for the error report, reads it and dismisses it as a user
    // would; gives up after 5 s, closing whatever is modal then.
    void dismissNextReport()
    {
        reportShown.clear();
        reportRole = QAccessible::NoRole;
        textTakesFocus = true;
        auto* watcher = new QTimer(this);
        connect(watcher, &QTimer::timeout, this, [this, watcher, tries = 0]() mutable {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr && ++tries < 250) {
                return;
            }
            watcher->stop();
            watcher->deleteLater();
            if (box == nullptr) {
                qWarning("no report within 5 s");
                if (QWidget* modal = QApplication::activeModalWidget()) {
                    modal->close();
                }
            } else {
                reportShown = box->windowTitle() + QLatin1Char('|') + box->text() + QLatin1Char('|') +
                              box->button(QMessageBox::Ok)->text();
                const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
                reportRole = accessible->role();
                textTakesFocus = false;
                for (int i = 0; i < accessible->childCount(); ++i) {
                    const QAccessibleInterface* child = accessible->child(i);
                    textTakesFocus |= child->role() == QAccessible::StaticText && child->state().focusable;
                }
                box->accept();
            }
        });
        watcher->start(20);
    }

private slots:
    // The tests run under LANG=C: Qt's own texts must be Spanish all the same.
    void initTestCase() { installSpanishTranslations(); }

    void init()
    {
        form = std::make_unique<Form1>();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void windowTitleAndFixedSize()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Calculador de fechas"));
        const QSize expected(twipsToPixels(4680, form->logicalDpiX()), twipsToPixels(3195, form->logicalDpiY()));
        QCOMPARE(form->size(), expected);
        QCOMPARE(form->minimumSize(), expected);
        QCOMPARE(form->maximumSize(), expected);
    }

    // Run again at 144 DPI and at a scale of 1.5: the window grows with the
    // screen, no two controls overlap, and every caption fits its control.
    void layoutHoldsAtThisDpi()
    {
        if (qEnvironmentVariableIsSet("QT_FONT_DPI")) {
            QCOMPARE(form->logicalDpiX(), qEnvironmentVariableIntValue("QT_FONT_DPI"));
        }
        QCOMPARE(form->width(), twipsToPixels(4680, form->logicalDpiX()));
        const QList<QWidget*> controls = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(controls.size(), 9);
        for (const QWidget* one : controls) {
            QVERIFY2(form->rect().contains(one->geometry()), qPrintable(one->objectName()));
            for (const QWidget* other : controls) {
                QVERIFY2(one == other || !one->geometry().intersects(other->geometry()),
                         qPrintable(one->objectName() + QStringLiteral(" overlaps ") + other->objectName()));
            }
        }
        for (const auto* label : form->findChildren<QLabel*>()) {
            QVERIFY2(captionFits(*label), qPrintable(label->objectName()));
        }
        for (const auto* button : form->findChildren<QPushButton*>()) {
            const QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            QVERIFY2(button->contentsRect().width() > needed.width(), qPrintable(button->objectName()));
            QVERIFY2(button->contentsRect().height() > needed.height(), qPrintable(button->objectName()));
        }
    }

    // Whatever palette the desktop's theme gives (light, dark, high contrast
    // either way round), every caption and the result line are drawn in its
    // text colour on its window colour, blended only at the letters' edges,
    // and their ink stands out from the background by WCAG's 4.5:1.
    void followsTheDesktopsColours_data()
    {
        QTest::addColumn<QColor>("window");
        QTest::addColumn<QColor>("text");
        QTest::newRow("light") << QColor(0xef, 0xef, 0xef) << QColor(0x00, 0x00, 0x00);
        QTest::newRow("dark") << QColor(0x35, 0x35, 0x35) << QColor(0xee, 0xee, 0xec);
        QTest::newRow("high contrast black") << QColor(0x00, 0x00, 0x00) << QColor(0xff, 0xff, 0xff);
        QTest::newRow("high contrast white") << QColor(0xff, 0xff, 0xff) << QColor(0x00, 0x00, 0x00);
    }
    void followsTheDesktopsColours()
    {
        QFETCH(QColor, window);
        QFETCH(QColor, text);
        const QPalette before = QApplication::palette();
        QPalette desktop = before;
        desktop.setColor(QPalette::Window, window);
        desktop.setColor(QPalette::WindowText, text);
        QApplication::setPalette(desktop);
        QCoreApplication::processEvents();  // open windows get the change as posted events
        const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });
        form->mostrarSalida(u"Mi\u00E9rcoles");
        for (const char* name : {"Label1", "Label2", "Label3", "lblsalida"}) {
            const QImage drawn = control<QLabel>(name)->grab().toImage();
            QColor inked = window;
            double mostInk = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    const double ink = towardsText(drawn.pixelColor(x, y), window, text);
                    QVERIFY2(ink >= 0, name);
                    if (ink > mostInk) {
                        mostInk = ink;
                        inked = drawn.pixelColor(x, y);
                    }
                }
            }
            QVERIFY2(contrastRatio(inked, window) >= 4.5, name);
        }
    }

    void twipsAtNinetySixDpi()
    {
        QCOMPARE(twipsToPixels(4680, 96), 312);
        QCOMPARE(twipsToPixels(3195, 96), 213);
        QCOMPARE(twipsToPixels(4680, 144), 468);
    }

    void controlsAsLaidOut_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("fontFamily");
        const QString form = QStringLiteral("Tahoma");
        const QString sans = QStringLiteral("MS Sans Serif");
        QTest::newRow("txtDia") << QString() << QRect(480, 720, 735, 285) << form;
        QTest::newRow("txtmes") << QString() << QRect(1440, 720, 735, 285) << sans;
        QTest::newRow("cmdsalir") << QStringLiteral("&Salir") << QRect(3600, 240, 855, 735) << sans;
        QTest::newRow("CmdCalcular") << QStringLiteral("&Calcular") << QRect(1080, 1080, 1575, 495) << sans;
        QTest::newRow("txtanio") << QString() << QRect(2400, 720, 735, 285) << sans;
        QTest::newRow("Label3") << QStringLiteral("Ingrese el d\u00ECa") << QRect(480, 120, 735, 375) << form;
        QTest::newRow("Label2") << QStringLiteral("Ingrese el a\u00F1o") << QRect(2400, 120, 735, 495) << form;
        QTest::newRow("Label1") << QStringLiteral("Ingrese el mes") << QRect(1440, 120, 735, 495) << form;
        QTest::newRow("lblsalida") << QString() << QRect(1080, 1680, 1575, 255) << sans;
    }
    void controlsAsLaidOut()
    {
        QFETCH(QString, text);
        QFETCH(QRect, twips);
        QFETCH(QString, fontFamily);
        auto* widget = control<QWidget>(QTest::currentDataTag());
        const int dpiX = form->logicalDpiX();
        const int dpiY = form->logicalDpiY();
        QCOMPARE(widget->geometry(), QRect(twipsToPixels(twips.x(), dpiX), twipsToPixels(twips.y(), dpiY),
                                           twipsToPixels(twips.width(), dpiX), twipsToPixels(twips.height(), dpiY)));
        QCOMPARE(widget->property("text").toString(), text);
        QCOMPARE(widget->font().family(), fontFamily);
        QCOMPARE(widget->font().pointSizeF(), 8.25);
        QCOMPARE(widget->font().weight(), QFont::Normal);
    }

    void tabOrderFromTheDayBox()
    {
        QCOMPARE(QApplication::focusWidget(), box("txtDia"));
        const char* order[] = {"txtmes", "txtanio", "CmdCalcular", "cmdsalir", "txtDia"};
        for (const char* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    void boxLengths_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("txtDia") << QStringLiteral("123456789") << QStringLiteral("123456789");
        QTest::newRow("txtmes") << QStringLiteral("123") << QStringLiteral("12");
        QTest::newRow("txtanio") << QStringLiteral("200345") << QStringLiteral("2003");
    }
    void boxLengths()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QTest::keyClicks(box(QTest::currentDataTag()), typed);
        QCOMPARE(box(QTest::currentDataTag())->text(), kept);
    }

    void typingAloneChangesNothing()
    {
        typeDate(QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("2003"));
        QCOMPARE(salida(), QString());
    }

    void requests_data()
    {
        QTest::addColumn<QString>("dia");
        QTest::addColumn<QString>("mes");
        QTest::addColumn<QString>("anio");
        QTest::addColumn<QString>("result");
        QTest::newRow("typical") << "7"
                                 << "5"
                                 << "2003" << QStringLiteral("Mi\u00E9rcoles");
        QTest::newRow("leap day") << "29"
                                  << "2"
                                  << "2000" << QStringLiteral("Martes");
        QTest::newRow("bad year") << "1"
                                  << "1"
                                  << "999" << QStringLiteral("Mal a\u00F1o");
        QTest::newRow("bad month") << "1"
                                   << "13"
                                   << "2003" << QStringLiteral("Mal mes");
        QTest::newRow("bad day") << "29"
                                 << "2"
                                 << "1900" << QStringLiteral("Mal d\u00ECa");
        QTest::newRow("empty") << ""
                               << ""
                               << "" << QStringLiteral("Mal a\u00F1o");
    }
    void requests()
    {
        QFETCH(QString, dia);
        QFETCH(QString, mes);
        QFETCH(QString, anio);
        QFETCH(QString, result);
        typeDate(dia, mes, anio);
        QTest::keyClick(box("txtanio"), Qt::Key_Return);
        QCOMPARE(salida(), result);
    }

    void accessKeysAndButtons()
    {
        QVERIFY(form->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, form.get()));
        typeDate(QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("2003"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(salida(), QStringLiteral("Mi\u00E9rcoles"));  // an access key animates the click first

        box("txtDia")->setText(QStringLiteral("29"));
        QTest::mouseClick(control<QPushButton>("CmdCalcular"), Qt::LeftButton);
        QCOMPARE(salida(), QStringLiteral("Jueves"));

        box("txtDia")->setText(QStringLiteral("32"));
        QTest::keyClick(box("txtDia"), Qt::Key_Enter);
        QCOMPARE(salida(), QStringLiteral("Mal d\u00ECa"));
    }

    // What the program cannot mend, from Calcular's slot: reported, and the
    // program ends with status 1.
    void unexpectedErrorsAreReportedAndEndTheProgram_data()
    {
        QTest::addColumn<int>("failure");
        QTest::newRow("no memory") << 0;
        QTest::newRow("a failed call") << 1;
    }
    void unexpectedErrorsAreReportedAndEndTheProgram()
    {
        QFETCH(int, failure);
        const std::array<form1::Calculation, 2> failing = {
            [](calc::Formulario&) { throw std::bad_alloc(); },
            [](calc::Formulario&) { throw std::system_error(std::make_error_code(std::errc::io_error)); },
        };
        Form1 failingForm(nullptr, failing.at(failure));
        failingForm.show();
        dismissNextReport();
        auto* calcular = failingForm.findChild<QPushButton*>(QStringLiteral("CmdCalcular"));
        QCOMPARE(runUntilEnded([calcular] { calcular->click(); }), 1);
        QCOMPARE(reportShown,
                 QStringLiteral("Calculador de fechas|Error inesperado: el programa se cerrar\u00E1.|Aceptar"));
    }

    void endingKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        QTest::newRow("Alt+S") << int(Qt::Key_S) << int(Qt::AltModifier);
    }
    void endingKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        const int status = runUntilEnded([key, modifiers] {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        });
        QCOMPARE(status, 0);
    }

    void salirAndClosingEndTheProgram()
    {
        QCOMPARE(runUntilEnded([this] { control<QPushButton>("cmdsalir")->click(); }), 0);
        QCOMPARE(runUntilEnded([this] { form->close(); }), 0);
    }

    void overflowIsReportedAndTheWindowKeepsItsTexts_data()
    {
        QTest::addColumn<QString>("dia");
        QTest::addColumn<QString>("mes");
        QTest::addColumn<QString>("anio");
        QTest::newRow("month -1") << "1"
                                  << "-1"
                                  << "2003";
        QTest::newRow("day 300, year of letters") << "300"
                                                  << "5"
                                                  << "abc";
        QTest::newRow("year 1e9") << "1"
                                  << "1"
                                  << "1e9";
    }
    void overflowIsReportedAndTheWindowKeepsItsTexts()
    {
        QFETCH(QString, dia);
        QFETCH(QString, mes);
        QFETCH(QString, anio);
        typeDate(QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("2003"));
        QTest::keyClick(box("txtanio"), Qt::Key_Return);
        box("txtDia")->setText(dia);
        box("txtmes")->setText(mes);
        box("txtanio")->setText(anio);

        dismissNextReport();
        QTest::keyClick(box("txtanio"), Qt::Key_Return);

        QCOMPARE(reportShown,
                 QStringLiteral("Calculador de fechas|Error de ejecuci\u00F3n 6:\n\nDesbordamiento|Aceptar"));
        QCOMPARE(reportRole, QAccessible::AlertMessage);
        QVERIFY(!textTakesFocus);
        QVERIFY(form->isVisible());
        QCOMPARE(salida(), QStringLiteral("Mi\u00E9rcoles"));
        QCOMPARE(box("txtDia")->text(), dia);
        QCOMPARE(box("txtmes")->text(), mes);
        QCOMPARE(box("txtanio")->text(), anio);

        // And the window still answers the next request.
        box("txtmes")->setText(QStringLiteral("13"));
        box("txtanio")->setText(QStringLiteral("2003"));
        box("txtDia")->setText(QStringLiteral("1"));
        QTest::keyClick(box("txtanio"), Qt::Key_Return);
        QCOMPARE(salida(), QStringLiteral("Mal mes"));
    }

    void qtOwnTextsInSpanish()
    {
        const std::unique_ptr<QMenu> menu(box("txtDia")->createStandardContextMenu());
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) {
                entries << action->text().section(QLatin1Char('\t'), 0, 0);  // without its shortcut
            }
        }
        QCOMPARE(entries,
                 QStringList({"&Deshacer", "&Rehacer", "Cor&tar", "&Copiar", "&Pegar", "Borrar", "Seleccionar todo"}));
    }

    void screenReaderNames()
    {
        const auto name = [](QObject* object) {
            return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
        };
        QCOMPARE(name(box("txtDia")), QStringLiteral("Ingrese el d\u00ECa"));
        QCOMPARE(name(box("txtmes")), QStringLiteral("Ingrese el mes"));
        QCOMPARE(name(box("txtanio")), QStringLiteral("Ingrese el a\u00F1o"));
        typeDate(QStringLiteral("7"), QStringLiteral("5"), QStringLiteral("2003"));
        QTest::keyClick(box("txtanio"), Qt::Key_Return);
        QCOMPARE(name(control<QLabel>("lblsalida")), QStringLiteral("Mi\u00E9rcoles"));
        // Announced when shown, which a plain label whose text changes is not.
        QCOMPARE(QAccessible::queryAccessibleInterface(control<QLabel>("lblsalida"))->role(),
                 QAccessible::Notification);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
