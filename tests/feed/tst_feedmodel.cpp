#include "feedfixtures.h"
#include "logcatcher.h"

#include <activitieswidget.h>
#include <activitybubble.h>

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace FeedFixtures;

namespace {

const QString s_account = QStringLiteral("acc1");

SocialActivity timed(const QString &id, int hour, const QString &accountId = s_account)
{
    return activity(accountId, id, at(hour));
}

QList<int> counts(const QSignalSpy &spy)
{
    QList<int> values;
    for (const QList<QVariant> &arguments : spy)
        values.append(arguments.at(0).toInt());
    return values;
}

} // namespace

class tst_FeedModel : public QObject
{
    Q_OBJECT
private slots:
    void construction();
    void descendingKeepsNewest_data();
    void descendingKeepsNewest();
    void ascendingKeepsOldest_data();
    void ascendingKeepsOldest();
    void evictedBubbleIsReleased();
    void equalStartTimes();
    void shownActivityIsUpdatedInPlace();
    void emptyIdIsRefused();
    void missingStartTimeKeepsRange();
    void sameIdUnderTwoAccounts();
    void progressRowIsNotCounted();
    void clearResetsListAndRange();
    void cleanActivitiesByAccounts();
};

void tst_FeedModel::construction()
{
    const LogCatcher log;
    ActivitiesWidget unbounded(-5, Qt::AscendingOrder);
    QCOMPARE(unbounded.maxSize(), 0u);
    QCOMPARE(unbounded.objectName(), QStringLiteral("ActivitiesWidget"));
    QCOMPARE(log.count(QStringLiteral("davovadezed 0.5.2")), 1);
    for (int hour = 1; hour <= 30; ++hour)
        unbounded.push(timed(QString::number(hour), hour % 24), {});
    QCOMPARE(unbounded.count(), 30u);

    ActivitiesWidget newestOnTop(20u);
    QCOMPARE(newestOnTop.maxSize(), 20u);
    newestOnTop.push(timed("old", 9), {});
    newestOnTop.push(timed("new", 15), {});
    newestOnTop.push(timed("mid", 12), {});
    QCOMPARE(shownIds(newestOnTop), QStringList({"new", "mid", "old"}));
}

void tst_FeedModel::descendingKeepsNewest_data()
{
    QTest::addColumn<QList<int>>("hours");
    QTest::addColumn<QList<int>>("signalled");
    QTest::newRow("oldest first") << QList<int>{10, 11, 12, 13} << QList<int>{1, 2, 3};
    QTest::newRow("newest first") << QList<int>{13, 12, 11, 10} << QList<int>{1, 2, 3};
    QTest::newRow("mixed") << QList<int>{11, 13, 10, 12} << QList<int>{1, 2, 3};
}

void tst_FeedModel::descendingKeepsNewest()
{
    QFETCH(QList<int>, hours);
    QFETCH(QList<int>, signalled);
    ActivitiesWidget feed(3u);
    QSignalSpy changed(&feed, &ActivitiesWidget::itemCountChanged);

    for (int hour : hours)
        feed.push(timed(QString::number(hour), hour), {});
    QCOMPARE(shownIds(feed), QStringList({"13", "12", "11"}));
    QCOMPARE(counts(changed), signalled);

    // Sorts below a full list: evicted at once, but still widens the range.
    feed.push(timed("9", 9), {});
    QCOMPARE(shownIds(feed), QStringList({"13", "12", "11"}));
    QCOMPARE(changed.count(), signalled.count());
    QCOMPARE(feed.oldestActivityTimestamp(), at(9));
    QCOMPARE(feed.mostRecentActivityTimestamp(), at(13));

    // The evicted activity is forgotten: pushed again it is new, and again
    // evicted.
    feed.push(timed("9", 9), {});
    QCOMPARE(shownIds(feed), QStringList({"13", "12", "11"}));
}

void tst_FeedModel::ascendingKeepsOldest_data()
{
    QTest::addColumn<QList<int>>("hours");
    QTest::newRow("oldest first") << QList<int>{10, 11, 12};
    QTest::newRow("newest first") << QList<int>{12, 11, 10};
}

void tst_FeedModel::ascendingKeepsOldest()
{
    QFETCH(QList<int>, hours);
    ActivitiesWidget feed(2, Qt::AscendingOrder);
    QSignalSpy changed(&feed, &ActivitiesWidget::itemCountChanged);

    for (int hour : hours)
        feed.push(timed(QString::number(hour), hour), {});
    QCOMPARE(shownIds(feed), QStringList({"10", "11"}));
    QCOMPARE(counts(changed), QList<int>({1, 2}));
    QCOMPARE(feed.mostRecentActivityTimestamp(), at(12));
}

void tst_FeedModel::evictedBubbleIsReleased()
{
    ActivitiesWidget feed(1u);
    feed.push(timed("old", 10), {});
    const QPointer<ActivityBubble> old = bubbleAt(feed, 0);
    QVERIFY(old);

    feed.push(timed("new", 11, QStringLiteral("acc2")), {});
    QCOMPARE(shownIds(feed), QStringList({"new"}));
    QCOMPARE(listOf(feed)->count(), 1);
    QTRY_VERIFY(old.isNull());

    // Forgotten with its bubble: once there is room, it is shown again.
    feed.cleanActivitiesByAccounts({QStringLiteral("acc2")});
    feed.push(timed("old", 10), {});
    QCOMPARE(shownIds(feed), QStringList({"old"}));
}

void tst_FeedModel::equalStartTimes()
{
    ActivitiesWidget descending(0u);
    ActivitiesWidget ascending(0, Qt::AscendingOrder);
    for (ActivitiesWidget *feed : {&descending, &ascending}) {
        feed->push(timed("early", 9), {});
        feed->push(timed("first", 10), {});
        feed->push(timed("late", 11), {});
        feed->push(timed("second", 10), {});
    }
    QCOMPARE(shownIds(descending), QStringList({"late", "second", "first", "early"}));
    QCOMPARE(shownIds(ascending), QStringList({"early", "first", "second", "late"}));
}

void tst_FeedModel::shownActivityIsUpdatedInPlace()
{
    ActivitiesWidget feed(3u);
    feed.push(timed("a", 10), {});
    feed.push(timed("b", 11), {});
    feed.push(timed("c", 12), {});
    QSignalSpy changed(&feed, &ActivitiesWidget::itemCountChanged);

    // Only the named property reaches the bubble.
    SocialActivity likes = timed("b", 11);
    likes.setProperty(SocialActivity::LikeCount, 7);
    likes.setProperty(SocialGenericData::Description, QStringLiteral("edited"));
    feed.push(likes, {SocialActivity::LikeCount});
    QCOMPARE(feed.activityAt(1).variantProperty(SocialActivity::LikeCount).toInt(), 7);
    QCOMPARE(feed.activityAt(1).description(), QStringLiteral("text of b"));

    // A whole new record with a later start time neither moves the bubble
    // nor evicts anything, but widens the range.
    feed.push(timed("a", 14), {});
    QCOMPARE(shownIds(feed), QStringList({"c", "b", "a"}));
    QCOMPARE(feed.activityAt(2).variantProperty(SocialActivity::StartTime).toDateTime(), at(14));
    QCOMPARE(feed.mostRecentActivityTimestamp(), at(14));
    QCOMPARE(feed.count(), 3u);
    QCOMPARE(changed.count(), 0);
}

void tst_FeedModel::emptyIdIsRefused()
{
    ActivitiesWidget feed(0u);
    QSignalSpy changed(&feed, &ActivitiesWidget::itemCountChanged);
    SocialActivity anonymous = timed("x", 10);
    anonymous.setProperty(SocialGenericData::Id, QString());

    QTest::ignoreMessage(QtWarningMsg, "Will not push an activity with empty ID");
    feed.push(anonymous, {});
    QCOMPARE(feed.count(), 0u);
    QCOMPARE(changed.count(), 0);
    QVERIFY(feed.mostRecentActivityTimestamp().isNull());
    QVERIFY(feed.oldestActivityTimestamp().isNull());
}

void tst_FeedModel::missingStartTimeKeepsRange()
{
    ActivitiesWidget feed(0u);
    feed.push(timed("a", 10), {});
    feed.push(timed("b", 12), {});
    SocialActivity undated = timed("c", 11);
    undated.removeProperty(SocialActivity::StartTime);
    feed.push(undated, {});

    QCOMPARE(feed.count(), 3u);
    QCOMPARE(feed.oldestActivityTimestamp(), at(10));
    QCOMPARE(feed.mostRecentActivityTimestamp(), at(12));
}

void tst_FeedModel::sameIdUnderTwoAccounts()
{
    ActivitiesWidget feed(0u);
    feed.push(timed("a", 10, QStringLiteral("acc1")), {});
    feed.push(timed("a", 11, QStringLiteral("acc2")), {});
    QCOMPARE(feed.count(), 2u);
    QCOMPARE(feed.activityAt(0).parentAccount(), QStringLiteral("acc2"));
    QCOMPARE(feed.activityAt(1).parentAccount(), QStringLiteral("acc1"));

    // Account ids are compared exactly.
    feed.push(timed("a", 12, QStringLiteral("ACC1")), {});
    QCOMPARE(feed.count(), 3u);
}

void tst_FeedModel::progressRowIsNotCounted()
{
    ActivitiesWidget feed(0u);
    feed.refreshFeeds(0);
    QVERIFY(progressRowShown(feed));
    QCOMPARE(feed.count(), 0u);
    QVERIFY(feed.activityAt(0).isEmpty());

    feed.push(timed("a", 10), {});
    feed.push(timed("b", 11), {});
    QCOMPARE(feed.count(), 2u);
    QCOMPARE(listOf(feed)->count(), 3);
    QCOMPARE(feed.activityAt(0).id(), QStringLiteral("b"));
    QCOMPARE(feed.activityAt(1).id(), QStringLiteral("a"));
    QVERIFY(feed.activityAt(2).isEmpty());

    QTRY_VERIFY(!progressRowShown(feed));
    QCOMPARE(shownIds(feed), QStringList({"b", "a"}));
}

void tst_FeedModel::clearResetsListAndRange()
{
    ActivitiesWidget feed(0u);
    feed.push(timed("a", 10), {});
    feed.push(timed("b", 11), {});
    feed.refreshFeeds(0);
    QSignalSpy changed(&feed, &ActivitiesWidget::itemCountChanged);

    feed.clear();
    QCOMPARE(feed.count(), 0u);
    QVERIFY(progressRowShown(feed));
    QCOMPARE(listOf(feed)->count(), 1);
    QVERIFY(feed.mostRecentActivityTimestamp().isNull());
    QVERIFY(feed.oldestActivityTimestamp().isNull());
    QCOMPARE(changed.count(), 0);

    // Cleared activities are new again.
    feed.push(timed("a", 10), {});
    QCOMPARE(feed.count(), 1u);
    QCOMPARE(changed.count(), 1);
}

void tst_FeedModel::cleanActivitiesByAccounts()
{
    ActivitiesWidget feed(3u);
    feed.push(timed("a", 10, QStringLiteral("acc1")), {});
    feed.push(timed("b", 12, QStringLiteral("acc2")), {});
    feed.push(timed("c", 13, QStringLiteral("acc1")), {});
    feed.push(timed("d", 11, QStringLiteral("acc2")), {});
    feed.push(timed("early", 8, QStringLiteral("acc2")), {});
    QCOMPARE(shownIds(feed), QStringList({"c", "b", "d"}));
    QCOMPARE(feed.oldestActivityTimestamp(), at(8));
    QSignalSpy changed(&feed, &ActivitiesWidget::itemCountChanged);

    // An empty list removes nothing but narrows the range to what is shown.
    feed.cleanActivitiesByAccounts({});
    QCOMPARE(feed.count(), 3u);
    QCOMPARE(feed.oldestActivityTimestamp(), at(11));
    QCOMPARE(feed.mostRecentActivityTimestamp(), at(13));

    feed.cleanActivitiesByAccounts({QStringLiteral("ACC2"), QStringLiteral("acc1")});
    QCOMPARE(shownIds(feed), QStringList({"b", "d"}));
    QCOMPARE(feed.oldestActivityTimestamp(), at(11));
    QCOMPARE(feed.mostRecentActivityTimestamp(), at(12));

    // Removed activities are forgotten and come back as new ones.
    feed.push(timed("c", 13, QStringLiteral("acc1")), {});
    QCOMPARE(shownIds(feed), QStringList({"c", "b", "d"}));

    feed.cleanActivitiesByAccounts({QStringLiteral("acc1"), QStringLiteral("acc2")});
    QCOMPARE(feed.count(), 0u);
    QVERIFY(feed.oldestActivityTimestamp().isNull());
    QVERIFY(feed.mostRecentActivityTimestamp().isNull());
    QCOMPARE(counts(changed), QList<int>({3}));
}

DAVOVADEZED_TEST_MAIN(tst_FeedModel)

#include "tst_feedmodel.moc"
