#ifndef UXACCESSIBLEBUBBLE_P_H
#define UXACCESSIBLEBUBBLE_P_H

#include "uxaccessiblepressable.h"

class UxBubbleItem;

// A bubble is named by its sender and described by its message, as plain
// text, and its footer; pressing it is a tap on it.
class UxAccessibleBubble : public UxAccessiblePressable
{
public:
    explicit UxAccessibleBubble(UxBubbleItem *bubble);

    QString text(QAccessible::Text t) const override;

protected:
    void press() override;

private:
    UxBubbleItem *bubble() const;
    QString description() const;
};

#endif // UXACCESSIBLEBUBBLE_P_H
