#include "form/qt/linea_de_resultado.hpp"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Read by its text, like any label, but in the role that screen readers
// announce when it appears.
class NotificationAccessible final : public QAccessibleWidget {
public:
    explicit NotificationAccessible(QLabel* line) : QAccessibleWidget(line, QAccessible::Notification) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            return qobject_cast<const QLabel*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* resultLineAccessible(const QString& /*className*/, QObject* object)
{
    auto* line = qobject_cast<LineaDeResultado*>(object);
    return line != nullptr ? new NotificationAccessible(line) : nullptr;
}

}  // namespace

LineaDeResultado::LineaDeResultado(QWidget* parent) : QLabel(parent)
{
    QAccessible::installFactory(resultLineAccessible);  // once: Qt keeps a factory only once
}

void LineaDeResultado::mostrar(const QString& texto)
{
    setText(texto);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
