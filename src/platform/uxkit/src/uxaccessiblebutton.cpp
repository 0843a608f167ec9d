#include "uxaccessiblebutton_p.h"

#include "uxbutton.h"

UxAccessibleButton::UxAccessibleButton(UxButton *button)
    : UxAccessibleWidget(button, QAccessible::Button)
{
}

UxButton *UxAccessibleButton::button() const
{
    return static_cast<UxButton *>(object());
}

QAccessible::State UxAccessibleButton::state() const
{
    QAccessible::State state = UxAccessibleWidget::state();
    state.pressed = button()->isDown();
    return state;
}

QString UxAccessibleButton::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? button()->text() : UxAccessibleWidget::text(t);
}

void *UxAccessibleButton::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return UxAccessibleWidget::interface_cast(type);
}

QStringList UxAccessibleButton::actionNames() const
{
    return {pressAction()};
}

void UxAccessibleButton::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        button()->click();
}

QStringList UxAccessibleButton::keyBindingsForAction(const QString &) const
{
    return {};
}
