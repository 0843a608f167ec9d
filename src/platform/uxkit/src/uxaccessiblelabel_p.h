#ifndef UXACCESSIBLELABEL_P_H
#define UXACCESSIBLELABEL_P_H

#include "uxaccessiblewidget.h"

class UxLabel;

// A label reads as the characters it shows, without markup.
class UxAccessibleLabel : public UxAccessibleWidget
{
public:
    explicit UxAccessibleLabel(UxLabel *label);

    QString text(QAccessible::Text t) const override;

protected:
    QList<QGraphicsObject *> accessibleChildren() const override;
};

#endif // UXACCESSIBLELABEL_P_H
