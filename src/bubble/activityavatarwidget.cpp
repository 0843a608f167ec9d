#include "activityavatarwidget_p.h"

ActivityAvatarWidget::ActivityAvatarWidget(QGraphicsItem *parent) : AvatarWidget(parent) {}

QSizeF ActivityAvatarWidget::sizeHint(Qt::SizeHint, const QSizeF &) const
{
    return QSizeF(100, 100);
}
