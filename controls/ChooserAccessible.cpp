#include "controls/ChooserAccessible.h"

#include "controls/ChooserBox.h"

#include <QAccessibleWidget>

using namespace Qt::Literals::StringLiterals;

namespace {

class ChooserAccessible : public QAccessibleWidget
{
public:
    explicit ChooserAccessible(ChooserBox& chooser)
        : QAccessibleWidget(&chooser, QAccessible::ComboBox)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<const ChooserBox*>(widget())->Text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction())
            static_cast<ChooserBox*>(widget())->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* ChooserInterface(const QString& className, QObject* object)
{
    auto* chooser = qobject_cast<ChooserBox*>(object);
    if (className != u"ChooserBox"_s || !chooser)
        return nullptr;
    return new ChooserAccessible(*chooser);
}

} // namespace

void InstallChooserAccessible()
{
    static const bool installed = [] {
        QAccessible::installFactory(&ChooserInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
