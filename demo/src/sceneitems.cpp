#include "sceneitems.h"

#include <activitieswidget.h>
#include <activitybubble.h>
#include <commentspage.h>

#include <QGraphicsScene>

#include <algorithm>

QList<ActivityBubble *> SceneItems::bubblesOf(const ActivitiesWidget *feed)
{
    QList<ActivityBubble *> bubbles;
    for (QGraphicsItem *child : feed->childItems()) {
        auto *bubble = qobject_cast<ActivityBubble *>(child->toGraphicsObject());
        if (bubble && bubble->isVisible())
            bubbles.append(bubble);
    }
    std::stable_sort(
        bubbles.begin(), bubbles.end(),
        [](const ActivityBubble *a, const ActivityBubble *b) { return a->y() < b->y(); });
    return bubbles;
}

CommentsPage *SceneItems::shownCommentsPage(const QGraphicsScene *scene)
{
    CommentsPage *top = nullptr;
    for (QGraphicsItem *item : scene->items()) {
        auto *page = qobject_cast<CommentsPage *>(item->toGraphicsObject());
        if (page && page->isAppeared() && (!top || page->zValue() > top->zValue()))
            top = page;
    }
    return top;
}
