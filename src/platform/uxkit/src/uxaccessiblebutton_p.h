#ifndef UXACCESSIBLEBUTTON_P_H
#define UXACCESSIBLEBUTTON_P_H

#include "uxaccessiblewidget.h"

class UxButton;

// A button: its text is its name, and pressing it clicks it.
class UxAccessibleButton : public UxAccessibleWidget, public QAccessibleActionInterface
{
public:
    explicit UxAccessibleButton(UxButton *button);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    UxButton *button() const;
};

#endif // UXACCESSIBLEBUTTON_P_H
