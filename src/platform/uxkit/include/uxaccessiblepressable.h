#ifndef UXACCESSIBLEPRESSABLE_H
#define UXACCESSIBLEPRESSABLE_H

#include "uxaccessiblewidget.h"

// A widget with one action, press, which does what a tap on it does.
class UXKIT_EXPORT UxAccessiblePressable : public UxAccessibleWidget,
                                           public QAccessibleActionInterface
{
public:
    using UxAccessibleWidget::UxAccessibleWidget;

    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

protected:
    virtual void press() = 0;
};

#endif // UXACCESSIBLEPRESSABLE_H
