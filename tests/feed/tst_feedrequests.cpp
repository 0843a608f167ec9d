#include "feedfixtures.h"
#include "logcatcher.h"
#include "providerfixtures.h"

#include <activitieswidget.h>
#include <socialgetactivitiesrequest.h>

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace FeedFixtures;
using namespace ProviderFixtures;

namespace {

const QString s_listen =
    QStringLiteral("void ActivitiesWidgetPrivate::listenToActivityUpdates(bool) ");
const QString s_onUpdate = QStringLiteral(
    "void ActivitiesWidgetPrivate::onActivityUpdate(const QList<SocialActivity>&, const "
    "QList<QString>&, SocialProviderTimeline::TimelineType) ");

// Every fetch the provider is asked for, in order.
class RequestLog : public QObject
{
public:
    RequestLog()
    {
        connect(SocialProviderManager::instance(), &SocialProviderManager::requestPerformed, this,
                [this](SocialDataRequest *request) {
                    if (auto *fetch = qobject_cast<SocialGetActivitiesRequest *>(request))
                        m_requests.append(fetch);
                });
    }

    int count() const { return m_requests.size(); }
    SocialGetActivitiesRequest *at(int index) const { return m_requests.at(index); }
    bool allReleased() const
    {
        for (const QPointer<SocialGetActivitiesRequest> &request : m_requests) {
            if (request)
                return false;
        }
        return true;
    }

private:
    QList<QPointer<SocialGetActivitiesRequest>> m_requests;
};

SocialActivity post(const QString &id, int hour)
{
    return activity(QStringLiteral("acc1"), id, at(hour));
}

} // namespace

class tst_FeedRequests : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void limitIsPassedOn();
    void overlappingFetchesShareOneProgressRow();
    void failedFetchOnlyHidesProgressRow();
    void fetchResultsDoNotChangeShownActivities();
    void listeningIsOneConnection();
    void liveUpdateMergesNamedProperties();
    void newActivityNeedsSufficientData();
    void setActivitiesKeepsShownBubbles();
    void pushActivitiesIgnoresFilters();
    void feedDestroyedWhileFetching();
    void feedDeletedFromItsCountSignal_data();
    void feedDeletedFromItsCountSignal();
};

void tst_FeedRequests::init()
{
    providerData()->reset();
    providerData()->addAccount(account("acc1", "facebook", "me"));
    providerData()->setInitialized(true);
}

void tst_FeedRequests::limitIsPassedOn()
{
    ActivitiesWidget feed(0u);
    RequestLog requests;
    feed.refreshFeeds(0);
    feed.refreshFeeds(5);
    QCOMPARE(requests.count(), 2);
    QCOMPARE(requests.at(0)->limit(), int(SocialGetActivitiesRequest::DefaultLimit));
    QCOMPARE(requests.at(1)->limit(), 5);
    QTRY_VERIFY(requests.allReleased());
}

void tst_FeedRequests::overlappingFetchesShareOneProgressRow()
{
    providerData()->insertActivity(post("newest", 12));
    providerData()->insertActivity(post("middle", 11));
    providerData()->insertActivity(post("oldest", 10));
    ActivitiesWidget feed(0u);
    RequestLog requests;

    feed.refreshFeeds(1);
    feed.refreshFeeds(0);
    QCOMPARE(requests.count(), 2);
    QVERIFY(progressRowShown(feed));
    QCOMPARE(listOf(feed)->count(), 1);
    QCOMPARE(feed.count(), 0u);

    // Heard after the feed has handled the first completion.
    bool rowShownAfterFirst = true;
    QStringList idsAfterFirst;
    connect(requests.at(0), &SocialDataRequest::finished, this, [&] {
        rowShownAfterFirst = progressRowShown(feed);
        idsAfterFirst = shownIds(feed);
    });
    QTRY_VERIFY(requests.allReleased());
    QVERIFY(!rowShownAfterFirst);
    QCOMPARE(idsAfterFirst, QStringList({"newest"}));
    QVERIFY(!progressRowShown(feed));
    QCOMPARE(shownIds(feed), QStringList({"newest", "middle", "oldest"}));
}

void tst_FeedRequests::failedFetchOnlyHidesProgressRow()
{
    providerData()->insertActivity(post("a1", 12));
    providerData()->setOffline(true);
    ActivitiesWidget feed(0u);
    RequestLog requests;

    feed.refreshFeeds(0);
    QVERIFY(progressRowShown(feed));
    QTRY_VERIFY(requests.allReleased());
    QVERIFY(!progressRowShown(feed));
    QCOMPARE(feed.count(), 0u);
}

void tst_FeedRequests::fetchResultsDoNotChangeShownActivities()
{
    ActivitiesWidget feed(0u);
    feed.push(post("a1", 12), {});
    SocialActivity edited = post("a1", 12);
    edited.setProperty(SocialGenericData::Description, QStringLiteral("edited"));
    providerData()->insertActivity(edited);
    RequestLog requests;

    feed.refreshFeeds(0);
    QTRY_VERIFY(requests.allReleased());
    QCOMPARE(feed.count(), 1u);
    QCOMPARE(feed.activityAt(0).description(), QStringLiteral("text of a1"));
}

void tst_FeedRequests::listeningIsOneConnection()
{
    ActivitiesWidget feed(0u);
    const LogCatcher log;
    feed.listenToActivityUpdates(true);
    feed.listenToActivityUpdates(true);
    QCOMPARE(log.startingWith(s_listen), QStringList({s_listen + "true", s_listen + "true",
                                                      s_listen + "No need to change state"}));

    providerData()->updateActivities({post("a1", 12)});
    QCOMPARE(log.startingWith(s_onUpdate + "1").size(), 1);
    QCOMPARE(feed.count(), 1u);

    feed.listenToActivityUpdates(false);
    providerData()->updateActivities({post("a2", 13)});
    QCOMPARE(feed.count(), 1u);
    QCOMPARE(log.startingWith(s_onUpdate + "1").size(), 1);

    feed.listenToActivityUpdates(false);
    QCOMPARE(log.count(s_listen + "No need to change state"), 2);
}

void tst_FeedRequests::liveUpdateMergesNamedProperties()
{
    ActivitiesWidget feed(0u);
    feed.listenToActivityUpdates(true);
    SocialActivity original = post("a1", 12);
    original.setProperty(SocialActivity::LikeCount, 1);
    original.setProperty(SocialActivity::CommentCount, 2);
    providerData()->updateActivities({original});
    QSignalSpy changed(&feed, &ActivitiesWidget::itemCountChanged);

    // Only what is named is taken; the rest of the update is stale.
    SocialActivity update = post("a1", 12);
    update.setProperty(SocialActivity::LikeCount, 5);
    update.setProperty(SocialActivity::CommentCount, 9);
    update.setProperty(SocialGenericData::Description, QStringLiteral("stale"));
    providerData()->updateActivities({update}, {SocialActivity::LikeCount});
    const SocialActivity shown = feed.activityAt(0);
    QCOMPARE(shown.variantProperty(SocialActivity::LikeCount).toInt(), 5);
    QCOMPARE(shown.variantProperty(SocialActivity::CommentCount).toInt(), 2);
    QCOMPARE(shown.description(), QStringLiteral("text of a1"));

    // A partial update need not carry what a new activity would need.
    SocialActivity likesOnly;
    likesOnly.setProperty(SocialGenericData::Id, QStringLiteral("a1"));
    likesOnly.setProperty(SocialGenericData::ParentAccount, QStringLiteral("acc1"));
    likesOnly.setProperty(SocialActivity::LikeCount, 6);
    providerData()->updateActivities({likesOnly}, {SocialActivity::LikeCount});
    QCOMPARE(feed.activityAt(0).variantProperty(SocialActivity::LikeCount).toInt(), 6);
    QCOMPARE(feed.activityAt(0).description(), QStringLiteral("text of a1"));

    // Whole records change nothing in a shown activity.
    providerData()->updateActivities({update});
    QCOMPARE(feed.activityAt(0).variantProperty(SocialActivity::CommentCount).toInt(), 2);
    QCOMPARE(feed.count(), 1u);
    QCOMPARE(changed.count(), 0);
}

void tst_FeedRequests::newActivityNeedsSufficientData()
{
    ActivitiesWidget feed(0u);
    feed.listenToActivityUpdates(true);
    SocialActivity undated = post("a1", 12);
    undated.removeProperty(SocialActivity::StartTime);

    QTest::ignoreMessage(QtDebugMsg,
                         qPrintable(s_onUpdate + "  * dropping \"a1\" due to insufficient data"));
    providerData()->updateActivities({undated});
    QCOMPARE(feed.count(), 0u);

    // Tested again when it comes again.
    QTest::ignoreMessage(QtDebugMsg,
                         qPrintable(s_onUpdate + "  * new act, but has sufficient data \"a1\""));
    providerData()->updateActivities({post("a1", 12)});
    QCOMPARE(feed.count(), 1u);
}

void tst_FeedRequests::setActivitiesKeepsShownBubbles()
{
    ActivitiesWidget feed(0u);
    QSignalSpy changed(&feed, &ActivitiesWidget::itemCountChanged);
    feed.setActivities({post("a", 10), post("c", 12)});
    feed.setActivities({post("b", 11)});
    QCOMPARE(shownIds(feed), QStringList({"c", "b", "a"}));
    QCOMPARE(changed.count(), 3);
}

void tst_FeedRequests::pushActivitiesIgnoresFilters()
{
    ActivitiesWidget feed(0u);
    feed.setActivityTypeFilter(SocialActivity::Comment);
    feed.setAccountsFilter({QStringLiteral("elsewhere")});

    SocialActivity bare;
    bare.setProperty(SocialGenericData::Id, QStringLiteral("bare"));
    const SocialActivity own =
        activity(QStringLiteral("acc1"), QStringLiteral("own"), at(11), SocialActivity::Post, "me");
    QTest::ignoreMessage(
        QtDebugMsg,
        "void ActivitiesWidget::pushActivities(const QList<SocialActivity>&) 3 activities");
    feed.pushActivities({post("post", 12), own, bare});
    QCOMPARE(feed.count(), 3u);
}

void tst_FeedRequests::feedDestroyedWhileFetching()
{
    auto feed = std::make_unique<ActivitiesWidget>(0u);
    providerData()->insertActivity(post("a1", 12));
    RequestLog requests;
    feed->refreshFeeds(0);
    QCOMPARE(requests.count(), 1);
    const QPointer<SocialGetActivitiesRequest> request = requests.at(0);
    QSignalSpy finished(request.data(), &SocialDataRequest::finished);

    feed.reset();
    QTRY_VERIFY(request.isNull());
    QCOMPARE(finished.count(), 1);
}

void tst_FeedRequests::feedDeletedFromItsCountSignal_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<bool>("byParent");
    for (const char *road : {"fetch", "live update", "pushed list"}) {
        QTest::addRow("%s, feed deleted", road) << QString::fromLatin1(road) << false;
        QTest::addRow("%s, its parent deleted", road) << QString::fromLatin1(road) << true;
    }
}

// An application may drop the feed, or the page holding it, as soon as the
// count tells it something arrived, halfway through a list.
void tst_FeedRequests::feedDeletedFromItsCountSignal()
{
    QFETCH(QString, road);
    QFETCH(bool, byParent);

    auto *parent = new UxWidget;
    QPointer<ActivitiesWidget> feed = new ActivitiesWidget(0u, parent);
    ActivitiesWidget witness(0u);
    witness.listenToActivityUpdates(true);
    QList<quint32> counts;
    connect(feed.data(), &ActivitiesWidget::itemCountChanged, this, [&](quint32 count) {
        counts.append(count);
        if (byParent)
            delete parent;
        else
            delete feed.data();
    });
    const QList<SocialActivity> acts{post("a1", 10), post("a2", 11), post("a3", 12)};
    RequestLog requests;

    if (road == QLatin1String("fetch")) {
        for (const SocialActivity &act : acts)
            providerData()->insertActivity(act);
        feed->refreshFeeds(0);
        QTRY_VERIFY(!feed);
    } else if (road == QLatin1String("live update")) {
        feed->listenToActivityUpdates(true);
        providerData()->updateActivities(acts);
        // The other listeners still get the whole update.
        QCOMPARE(witness.count(), 3u);
    } else {
        feed->pushActivities(acts);
    }
    QVERIFY(!feed);
    QCOMPARE(counts, QList<quint32>{1});
    if (!byParent)
        delete parent;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(requests.allReleased());
}

DAVOVADEZED_TEST_MAIN(tst_FeedRequests)

#include "tst_feedrequests.moc"
