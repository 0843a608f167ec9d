#include "uxaccessiblepressable.h"

#include <QStringList>

void *UxAccessiblePressable::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return UxAccessibleWidget::interface_cast(type);
}

QStringList UxAccessiblePressable::actionNames() const
{
    return {pressAction()};
}

void UxAccessiblePressable::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        press();
}

QStringList UxAccessiblePressable::keyBindingsForAction(const QString &) const
{
    return {};
}
