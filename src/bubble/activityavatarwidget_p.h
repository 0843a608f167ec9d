#ifndef ACTIVITYAVATARWIDGET_P_H
#define ACTIVITYAVATARWIDGET_P_H

#include <avatarwidget.h>

// The avatar of a bubble, always asking for the same square whatever the
// layout offers.
class ActivityAvatarWidget : public AvatarWidget
{
public:
    explicit ActivityAvatarWidget(QGraphicsItem *parent);

    static const QSizeF s_size;

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
};

#endif // ACTIVITYAVATARWIDGET_P_H
