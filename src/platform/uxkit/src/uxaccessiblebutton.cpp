#include "uxaccessiblebutton_p.h"

#include "uxbutton.h"

UxAccessibleButton::UxAccessibleButton(UxButton *button)
    : UxAccessiblePressable(button, QAccessible::Button)
{
}

UxButton *UxAccessibleButton::button() const
{
    return static_cast<UxButton *>(object());
}

QAccessible::State UxAccessibleButton::state() const
{
    QAccessible::State state = UxAccessiblePressable::state();
    state.pressed = button()->isDown();
    return state;
}

QString UxAccessibleButton::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? button()->text() : UxAccessiblePressable::text(t);
}

void UxAccessibleButton::press()
{
    button()->click();
}
