#ifndef UXACCESSIBLEBUTTON_P_H
#define UXACCESSIBLEBUTTON_P_H

#include "uxaccessiblepressable.h"

class UxButton;

// A button: its text is its name, and pressing it clicks it.
class UxAccessibleButton : public UxAccessiblePressable
{
public:
    explicit UxAccessibleButton(UxButton *button);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

protected:
    void press() override;

private:
    UxButton *button() const;
};

#endif // UXACCESSIBLEBUTTON_P_H
