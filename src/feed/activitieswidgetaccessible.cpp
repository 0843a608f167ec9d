#include "activitieswidgetaccessible_p.h"

#include "activitieswidget.h"
#include "activitieswidget_p.h"
#include "activitybubble.h"

#include <uxlinearlayoutpolicy.h>

ActivitiesWidgetAccessible::ActivitiesWidgetAccessible(ActivitiesWidget *feed)
    : UxAccessibleWidget(feed, QAccessible::List)
{
}

QList<QGraphicsObject *> ActivitiesWidgetAccessible::accessibleChildren() const
{
    const auto *d =
        object()->findChild<ActivitiesWidgetPrivate *>(QString(), Qt::FindDirectChildrenOnly);
    if (!d)
        return {};
    QList<QGraphicsObject *> bubbles;
    for (int i = 0; i < d->m_policy->count(); ++i) {
        QGraphicsItem *item = d->m_policy->itemAt(i)->graphicsItem();
        if (auto *bubble =
                item ? qobject_cast<ActivityBubble *>(item->toGraphicsObject()) : nullptr)
            bubbles.append(bubble);
    }
    return bubbles;
}
