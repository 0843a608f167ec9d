#include "feedscene.h"

#include <activitieswidget.h>
#include <activitybubble.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QGraphicsScene>

namespace FeedScene {

void setHandsetRect(QGraphicsScene *scene)
{
    scene->setSceneRect(0, 0, 480, 854);
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<ActivityBubble *> bubbles(const QGraphicsScene *scene)
{
    QList<ActivityBubble *> found;
    for (QGraphicsItem *item : scene->items()) {
        if (auto *bubble = qobject_cast<ActivityBubble *>(item->toGraphicsObject()))
            found.append(bubble);
    }
    return found;
}

bool waitForContacts(const QGraphicsScene *scene)
{
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        settle();
        bool all = true;
        for (const ActivityBubble *bubble : bubbles(scene))
            all = all && !bubble->contact().isEmpty();
        if (all)
            return true;
    }
    return false;
}

void fitWidth(ActivitiesWidget *feed, qreal width)
{
    settle();
    feed->resize(width, feed->effectiveSizeHint(Qt::PreferredSize, QSizeF(width, -1)).height());
    settle();
}

} // namespace FeedScene
