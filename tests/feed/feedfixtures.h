#ifndef FEEDFIXTURES_H
#define FEEDFIXTURES_H

#include <activitieswidget.h>
#include <activitybubble.h>
#include <socialactivity.h>
#include <uxapplication.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>

#include <QDateTime>
#include <QStringList>
#include <QTest>

// Activities and views into a feed's list, shared by the feed tests.
namespace FeedFixtures {

inline QDateTime at(int hour, int minute = 0)
{
    return QDateTime(QDate(2024, 5, 14), QTime(hour, minute), Qt::UTC);
}

inline SocialActivity activity(const QString &accountId, const QString &id, const QDateTime &start,
                               int type = SocialActivity::Post,
                               const QString &ownerId = QStringLiteral("friend"))
{
    SocialActivity record;
    record.setProperty(SocialGenericData::Id, id);
    record.setProperty(SocialGenericData::ParentAccount, accountId);
    record.setProperty(SocialGenericData::Description, QStringLiteral("text of ") + id);
    record.setProperty(SocialActivity::OwnerPersonId, ownerId);
    record.setProperty(SocialActivity::StartTime, start);
    record.setProperty(SocialActivity::ActivityType, type);
    return record;
}

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

// Feeds need the toolkit's application object.
#define FEED_TEST_MAIN(TestObject)                                                                 \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        UxApplication app(argc, argv);                                                             \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#endif // FEEDFIXTURES_H
