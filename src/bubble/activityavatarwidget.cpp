#include "activityavatarwidget_p.h"

const QSizeF ActivityAvatarWidget::s_size(100, 100);

ActivityAvatarWidget::ActivityAvatarWidget(QGraphicsItem *parent) : AvatarWidget(parent) {}

QSizeF ActivityAvatarWidget::sizeHint(Qt::SizeHint, const QSizeF &) const
{
    return s_size;
}
