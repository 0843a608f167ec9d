#ifndef UXACCESSIBLEBUBBLE_P_H
#define UXACCESSIBLEBUBBLE_P_H

#include "uxaccessiblewidget.h"

class UxBubbleItem;

// A bubble is named by its sender and described by its message, as plain
// text, and its footer; pressing it is a tap on it.
class UxAccessibleBubble : public UxAccessibleWidget, public QAccessibleActionInterface
{
public:
    explicit UxAccessibleBubble(UxBubbleItem *bubble);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    UxBubbleItem *bubble() const;
    QString description() const;
};

#endif // UXACCESSIBLEBUBBLE_P_H
