#ifndef FEEDFIXTURES_H
#define FEEDFIXTURES_H

#include "providerfixtures.h"
#include "testmain.h"

#include <activitieswidget.h>
#include <activitybubble.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>

#include <QStringList>
#include <QTest>

// Views into a feed's list, shared by the feed tests.
namespace FeedFixtures {

using namespace ProviderFixtures;

// The feed's list, progress row included.
inline UxLinearLayoutPolicy *listOf(const ActivitiesWidget &feed)
{
    const auto *layout = dynamic_cast<UxLayout *>(feed.layout());
    return layout ? dynamic_cast<UxLinearLayoutPolicy *>(layout->policy()) : nullptr;
}

// The bubble at a list position, or null for the progress row.
inline ActivityBubble *bubbleAt(const ActivitiesWidget &feed, int listIndex)
{
    QGraphicsItem *item = listOf(feed)->itemAt(listIndex)->graphicsItem();
    return item ? qobject_cast<ActivityBubble *>(item->toGraphicsObject()) : nullptr;
}

// Whether the progress row is shown, as the list's first item.
inline bool progressRowShown(const ActivitiesWidget &feed)
{
    const UxLinearLayoutPolicy *list = listOf(feed);
    return list->count() > 0 && !list->itemAt(0)->graphicsItem();
}

// The ids of the shown activities, top to bottom.
inline QStringList shownIds(const ActivitiesWidget &feed)
{
    QStringList ids;
    for (quint32 i = 0; i < feed.count(); ++i)
        ids.append(feed.activityAt(i).id());
    return ids;
}

} // namespace FeedFixtures

#endif // FEEDFIXTURES_H
