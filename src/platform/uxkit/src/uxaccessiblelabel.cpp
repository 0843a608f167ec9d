#include "uxaccessiblelabel_p.h"

#include "uxlabel.h"

UxAccessibleLabel::UxAccessibleLabel(UxLabel *label)
    : UxAccessibleWidget(label, QAccessible::StaticText)
{
}

QString UxAccessibleLabel::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? static_cast<UxLabel *>(object())->plainText()
                                  : UxAccessibleWidget::text(t);
}

QList<QGraphicsObject *> UxAccessibleLabel::accessibleChildren() const
{
    return {};
}
