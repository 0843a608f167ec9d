#include "feedfixtures.h"
#include "logcatcher.h"
#include "providerfixtures.h"

#include <activitieswidget.h>
#include <socialgetactivitiesrequest.h>

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace FeedFixtures;
using namespace ProviderFixtures;

namespace {

const QString s_refresh = QStringLiteral("void ActivitiesWidgetPrivate::refreshFeeds(quint32) ");

// What the provider was asked by the feed's next fetch.
class RequestWatcher : public QObject
{
public:
    RequestWatcher()
    {
        connect(SocialProviderManager::instance(), &SocialProviderManager::requestPerformed, this,
                [this](SocialDataRequest *request) {
                    m_request = qobject_cast<SocialGetActivitiesRequest *>(request);
                });
    }

    SocialGetActivitiesRequest *request() const { return m_request; }

    // Lets the fetch finish and be released.
    bool waitForRelease()
    {
        return QTest::qWaitFor([this] { return m_request.isNull(); });
    }

private:
    QPointer<SocialGetActivitiesRequest> m_request;
};

SocialActivity post(const QString &id, const QString &accountId = QStringLiteral("acc1"))
{
    return activity(accountId, id, at(12));
}

void deliver(const SocialActivity &activity,
             SocialProviderTimeline::TimelineType timeline = SocialProviderTimeline::NoTimeline)
{
    providerData()->updateActivities({activity}, {}, timeline);
}

// A feed that follows live updates.
class ListeningFeed : public ActivitiesWidget
{
public:
    ListeningFeed() : ActivitiesWidget(0u) { listenToActivityUpdates(true); }
};

} // namespace

class tst_FeedFilters : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void defaultsSendNothing();
    void settingsBecomeRequestSettings();
    void ownersAndReceiversAreSentAsOneList();
    void unknownAccountIsStillSent();
    void emptyParentIdIsSentButNotApplied();

    void parentActivityIdRule();
    void activityTypeRule_data();
    void activityTypeRule();
    void timeRulesAreStrict_data();
    void timeRulesAreStrict();
    void accountsRule();
    void ownerPersonsRule();
    void ownActivities();
    void receiverPersonsRule();
    void firstFailingRuleDecides();
    void timelineGate();

    void fetchResultsAreFiltered();
    void knownActivityThatNoLongerPassesIsKept();
    void changingSettingsKeepsShownBubbles();
};

void tst_FeedFilters::initTestCase()
{
    // Known before the first feed, so that the user's own profiles are too.
    init();
}

void tst_FeedFilters::init()
{
    providerData()->reset();
    providerData()->addAccount(account("acc1", "facebook", "me"));
    providerData()->addAccount(account("acc2", "twittergw", "me2"));
    providerData()->setInitialized(true);
}

void tst_FeedFilters::defaultsSendNothing()
{
    ActivitiesWidget feed(0u);
    QCOMPARE(feed.timelineFilter(), SocialProviderTimeline::NoTimeline);
    QCOMPARE(feed.activityTypeFilter(), SocialActivity::AnyType);
    QVERIFY(feed.parentActivityIdFilter().isNull());
    QVERIFY(feed.accountsFilter().isEmpty());
    QVERIFY(feed.ownerPersonsFilter().isEmpty());
    QVERIFY(feed.receiverPersonsFilter().isEmpty());
    QVERIFY(feed.beforeFilter().isNull());
    QVERIFY(feed.afterFilter().isNull());

    RequestWatcher watcher;
    const LogCatcher log;
    feed.refreshFeeds(0);
    const SocialGetActivitiesRequest *request = watcher.request();
    QVERIFY(request);
    QCOMPARE(request->timelineType(), SocialProviderTimeline::NoTimeline);
    QCOMPARE(request->activityFilter(), SocialActivity::AnyType);
    QVERIFY(request->personsFilter().isEmpty());
    QVERIFY(request->parentActivityIdFilter().isNull());
    QVERIFY(request->before().isNull());
    QVERIFY(request->after().isNull());
    QVERIFY(request->accounts().isEmpty());
    QCOMPARE(log.count(QStringLiteral("  * setting")), 0);
    QVERIFY(watcher.waitForRelease());
}

void tst_FeedFilters::settingsBecomeRequestSettings()
{
    ActivitiesWidget feed(0u);
    feed.setTimelineFilter(SocialProviderTimeline::Photos);
    feed.setActivityTypeFilter(SocialActivity::Comment);
    feed.setParentActivityIdFilter(QStringLiteral("parent"));
    feed.setOwnerPersonsFilter({QStringLiteral("alice")});
    feed.setBeforeFilter(at(12));
    feed.setAfterFilter(at(8, 30));
    feed.setAccountsFilter({QStringLiteral("acc2"), QStringLiteral("acc1")});
    feed.discardOwnActivities(false);
    QCOMPARE(feed.timelineFilter(), SocialProviderTimeline::Photos);
    QCOMPARE(feed.activityTypeFilter(), SocialActivity::Comment);
    QCOMPARE(feed.parentActivityIdFilter(), QStringLiteral("parent"));
    QCOMPARE(feed.beforeFilter(), at(12));
    QCOMPARE(feed.afterFilter(), at(8, 30));

    RequestWatcher watcher;
    const LogCatcher log;
    feed.refreshFeeds(0);
    const SocialGetActivitiesRequest *request = watcher.request();
    QVERIFY(request);
    QCOMPARE(request->timelineType(), SocialProviderTimeline::Photos);
    QCOMPARE(request->activityFilter(), SocialActivity::Comment);
    QCOMPARE(request->parentActivityIdFilter(), QStringLiteral("parent"));
    QCOMPARE(request->personsFilter(), QStringList({"alice"}));
    QCOMPARE(request->before(), at(12));
    QCOMPARE(request->after(), at(8, 30));
    QCOMPARE(request->accounts().size(), 2);
    QCOMPARE(request->accounts().at(0).id(), QStringLiteral("acc2"));
    QCOMPARE(request->accounts().at(1).id(), QStringLiteral("acc1"));

    QCOMPARE(
        log.startingWith(s_refresh + "  * setting"),
        QStringList({
            s_refresh + "  * setting timeline filter 3",
            s_refresh + "  * setting activity filter 2",
            s_refresh + "  * setting persons filter (\"alice\")",
            s_refresh + "  * setting parent activity filter \"parent\"",
            s_refresh + "  * setting before filter QDateTime(2024-05-14 12:00:00.000 UTC Qt::UTC)",
            s_refresh + "  * setting after filter QDateTime(2024-05-14 08:30:00.000 UTC Qt::UTC)",
            s_refresh + "  * setting accounts filter 2",
        }));
    QVERIFY(watcher.waitForRelease());
}

void tst_FeedFilters::ownersAndReceiversAreSentAsOneList()
{
    ActivitiesWidget feed(0u);
    feed.setOwnerPersonsFilter({QStringLiteral("a"), QStringLiteral("c")});
    feed.setReceiverPersonsFilter({QStringLiteral("b"), QStringLiteral("c")});
    QCOMPARE(feed.ownerPersonsFilter(), QStringList({"a", "c"}));
    QCOMPARE(feed.receiverPersonsFilter(), QStringList({"b", "c"}));

    RequestWatcher watcher;
    feed.refreshFeeds(0);
    QVERIFY(watcher.request());
    QCOMPARE(watcher.request()->personsFilter(), QStringList({"a", "c", "b", "c"}));
    QVERIFY(watcher.waitForRelease());

    feed.setOwnerPersonsFilter({});
    feed.refreshFeeds(0);
    QVERIFY(watcher.request());
    QCOMPARE(watcher.request()->personsFilter(), QStringList({"b", "c"}));
    QVERIFY(watcher.waitForRelease());
}

void tst_FeedFilters::unknownAccountIsStillSent()
{
    ActivitiesWidget feed(0u);
    feed.setAccountsFilter({QStringLiteral("acc1"), QStringLiteral("nowhere")});
    QCOMPARE(feed.accountsFilter(), QStringList({"acc1", "nowhere"}));

    RequestWatcher watcher;
    const LogCatcher log;
    feed.refreshFeeds(0);
    QVERIFY(watcher.request());
    const QList<SocialServiceAccount> accounts = watcher.request()->accounts();
    QCOMPARE(accounts.size(), 2);
    QCOMPARE(accounts.at(0).id(), QStringLiteral("acc1"));
    QVERIFY(accounts.at(1).isEmpty());
    QCOMPARE(log.count(s_refresh + "  * setting accounts filter 2"), 1);
    QVERIFY(watcher.waitForRelease());
}

void tst_FeedFilters::emptyParentIdIsSentButNotApplied()
{
    ListeningFeed feed;
    feed.setParentActivityIdFilter(QStringLiteral(""));

    RequestWatcher watcher;
    feed.refreshFeeds(0);
    QVERIFY(watcher.request());
    QVERIFY(!watcher.request()->parentActivityIdFilter().isNull());
    QVERIFY(watcher.request()->parentActivityIdFilter().isEmpty());
    QVERIFY(watcher.waitForRelease());

    SocialActivity comment = post("c1");
    comment.setProperty(SocialActivity::ParentActivityId, QStringLiteral("p1"));
    deliver(comment);
    QCOMPARE(feed.count(), 1u);
}

void tst_FeedFilters::parentActivityIdRule()
{
    ListeningFeed feed;
    feed.setParentActivityIdFilter(QStringLiteral("p1"));

    SocialActivity other = post("c1");
    other.setProperty(SocialActivity::ParentActivityId, QStringLiteral("p2"));
    QTest::ignoreMessage(
        QtDebugMsg,
        "  * dropping \"c1\" ( \"text of c1\" ) due to parent activity id filter \"p2\"");
    deliver(other);
    QCOMPARE(feed.count(), 0u);

    SocialActivity ours = post("c2");
    ours.setProperty(SocialActivity::ParentActivityId, QStringLiteral("p1"));
    deliver(ours);
    QCOMPARE(feed.count(), 1u);
}

void tst_FeedFilters::activityTypeRule_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("passes");
    QTest::newRow("same type") << int(SocialActivity::Post) << int(SocialActivity::Post) << true;
    QTest::newRow("other type") << int(SocialActivity::Post) << int(SocialActivity::Comment)
                                << false;
    QTest::newRow("filter of any type")
        << int(SocialActivity::AnyType) << int(SocialActivity::Photo) << true;
    QTest::newRow("activity of any type")
        << int(SocialActivity::Comment) << int(SocialActivity::AnyType) << true;
}

void tst_FeedFilters::activityTypeRule()
{
    QFETCH(int, filter);
    QFETCH(int, type);
    QFETCH(bool, passes);
    ListeningFeed feed;
    feed.setActivityTypeFilter(SocialActivity::Type(filter));

    SocialActivity candidate = post("a1");
    candidate.setProperty(SocialActivity::ActivityType, type);
    const LogCatcher log;
    deliver(candidate);
    QCOMPARE(feed.count(), passes ? 1u : 0u);
    const QString drop =
        QStringLiteral("  * dropping \"a1\" ( \"text of a1\" ) due to activity type %1");
    QCOMPARE(log.count(drop.arg(type)), passes ? 0 : 1);
}

void tst_FeedFilters::timeRulesAreStrict_data()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<bool>("passes");
    QTest::newRow("after, equal") << "after" << at(11) << false;
    QTest::newRow("after, earlier") << "after" << at(10, 59) << false;
    QTest::newRow("after, later") << "after" << at(11, 1) << true;
    QTest::newRow("before, equal") << "before" << at(11) << false;
    QTest::newRow("before, later") << "before" << at(11, 1) << false;
    QTest::newRow("before, earlier") << "before" << at(10, 59) << true;
}

void tst_FeedFilters::timeRulesAreStrict()
{
    QFETCH(QString, rule);
    QFETCH(QDateTime, start);
    QFETCH(bool, passes);
    ListeningFeed feed;
    if (rule == QLatin1String("after"))
        feed.setAfterFilter(at(11));
    else
        feed.setBeforeFilter(at(11));

    const LogCatcher log;
    deliver(activity("acc1", "a1", start));
    QCOMPARE(feed.count(), passes ? 1u : 0u);
    QCOMPARE(log.count(QStringLiteral("  * dropping \"a1\" ( QDateTime(") +
                       start.toString("yyyy-MM-dd hh:mm") + ":00.000 UTC Qt::UTC) ) due to " +
                       rule + " filter QDateTime(2024-05-14 11:00:00.000 UTC Qt::UTC)"),
             passes ? 0 : 1);
}

void tst_FeedFilters::accountsRule()
{
    ListeningFeed feed;
    feed.setAccountsFilter({QStringLiteral("acc1")});

    QTest::ignoreMessage(QtDebugMsg,
                         "  * dropping \"a2\" ( \"acc2\" ) due to account filter (\"acc1\")");
    deliver(post("a2", QStringLiteral("acc2")));
    QCOMPARE(feed.count(), 0u);

    deliver(post("a1", QStringLiteral("acc1")));
    QCOMPARE(feed.count(), 1u);
}

void tst_FeedFilters::ownerPersonsRule()
{
    ListeningFeed feed;
    feed.setOwnerPersonsFilter({QStringLiteral("alice")});

    QTest::ignoreMessage(QtDebugMsg, "  * dropping \"b1\" due to owner persons filter");
    deliver(activity("acc1", "b1", at(12), SocialActivity::Post, QStringLiteral("bob")));
    QCOMPARE(feed.count(), 0u);

    deliver(activity("acc1", "a1", at(12), SocialActivity::Post, QStringLiteral("alice")));
    QCOMPARE(feed.count(), 1u);
}

void tst_FeedFilters::ownActivities()
{
    const SocialActivity mine = activity("acc1", "own", at(12), SocialActivity::Post, "me");
    {
        ListeningFeed feed;
        QTest::ignoreMessage(QtDebugMsg, "  * dropping \"own\" because it's own");
        deliver(mine);
        QCOMPARE(feed.count(), 0u);

        // The profile id of another account is someone else there.
        deliver(activity("acc2", "elsewhere", at(12), SocialActivity::Post, "me"));
        QCOMPARE(feed.count(), 1u);
    }
    {
        ListeningFeed feed;
        feed.discardOwnActivities(false);
        deliver(mine);
        QCOMPARE(feed.count(), 1u);
    }
    {
        // Naming oneself among the owners shows one's own activities.
        ListeningFeed feed;
        feed.setOwnerPersonsFilter({QStringLiteral("me")});
        deliver(mine);
        QCOMPARE(feed.count(), 1u);
    }
}

void tst_FeedFilters::receiverPersonsRule()
{
    ListeningFeed feed;
    feed.setOwnerPersonsFilter({QStringLiteral("a")});
    feed.setReceiverPersonsFilter({QStringLiteral("b")});

    SocialActivity toCarol = activity("acc1", "x1", at(12), SocialActivity::Post, "a");
    toCarol.setProperty(SocialActivity::ReceiverPersonId, QStringLiteral("carol"));
    QTest::ignoreMessage(QtDebugMsg, "  * dropping \"x1\" due to receiver persons filter");
    deliver(toCarol);

    SocialActivity fromOther = activity("acc1", "x2", at(12), SocialActivity::Post, "z");
    fromOther.setProperty(SocialActivity::ReceiverPersonId, QStringLiteral("b"));
    QTest::ignoreMessage(QtDebugMsg, "  * dropping \"x2\" due to owner persons filter");
    deliver(fromOther);
    QCOMPARE(feed.count(), 0u);

    SocialActivity both = activity("acc1", "x3", at(12), SocialActivity::Post, "a");
    both.setProperty(SocialActivity::ReceiverPersonId, QStringLiteral("b"));
    deliver(both);
    QCOMPARE(feed.count(), 1u);
}

void tst_FeedFilters::firstFailingRuleDecides()
{
    ListeningFeed feed;
    feed.setActivityTypeFilter(SocialActivity::Comment);
    feed.setAccountsFilter({QStringLiteral("acc2")});
    feed.setReceiverPersonsFilter({QStringLiteral("nobody")});

    const LogCatcher log;
    deliver(activity("acc1", "mine", at(12), SocialActivity::Post, "me"));
    QCOMPARE(log.count(QStringLiteral("  * dropping \"mine\"")), 1);
    QCOMPARE(log.count(QStringLiteral("due to activity type 1")), 1);
    QCOMPARE(feed.count(), 0u);
}

void tst_FeedFilters::timelineGate()
{
    ListeningFeed unset;
    ListeningFeed photos;
    photos.setTimelineFilter(SocialProviderTimeline::Photos);

    const LogCatcher log;
    deliver(post("p1"), SocialProviderTimeline::Photos);
    QCOMPARE(unset.count(), 0u);
    QCOMPARE(photos.count(), 1u);
    QCOMPARE(log.count(QStringLiteral("  * dropping whole activity list due to timeline filter")),
             1);

    deliver(post("h1"), SocialProviderTimeline::Home);
    QCOMPARE(unset.count(), 0u);
    QCOMPARE(photos.count(), 1u);

    deliver(post("n1"), SocialProviderTimeline::NoTimeline);
    QCOMPARE(unset.count(), 1u);
    QCOMPARE(photos.count(), 2u);
}

void tst_FeedFilters::fetchResultsAreFiltered()
{
    providerData()->insertActivity(activity("acc1", "own", at(11), SocialActivity::Post, "me"));
    providerData()->insertActivity(activity("acc1", "friend", at(12)));
    ActivitiesWidget feed(0u);
    QSignalSpy changed(&feed, &ActivitiesWidget::itemCountChanged);

    QTest::ignoreMessage(QtDebugMsg, "  * dropping \"own\" because it's own");
    feed.refreshFeeds(0);
    QVERIFY(changed.wait());
    QCOMPARE(shownIds(feed), QStringList({"friend"}));
}

void tst_FeedFilters::knownActivityThatNoLongerPassesIsKept()
{
    ListeningFeed feed;
    feed.setActivityTypeFilter(SocialActivity::Post);
    deliver(post("a1"));
    QCOMPARE(feed.count(), 1u);

    SocialActivity changed = post("a1");
    changed.setProperty(SocialActivity::ActivityType, int(SocialActivity::Comment));
    changed.setProperty(SocialActivity::LikeCount, 5);
    providerData()->updateActivities({changed},
                                     {SocialActivity::ActivityType, SocialActivity::LikeCount});
    QCOMPARE(feed.count(), 1u);
    QCOMPARE(feed.activityAt(0).variantProperty(SocialActivity::ActivityType).toInt(),
             int(SocialActivity::Post));
    QVERIFY(!feed.activityAt(0).hasProperty(SocialActivity::LikeCount));
}

void tst_FeedFilters::changingSettingsKeepsShownBubbles()
{
    ListeningFeed feed;
    deliver(post("a1"));
    deliver(post("a2", QStringLiteral("acc2")));
    feed.setActivityTypeFilter(SocialActivity::Comment);
    feed.setAccountsFilter({QStringLiteral("acc2")});
    QCOMPARE(feed.count(), 2u);

    // Taking effect at the next admission.
    deliver(post("a3"));
    QCOMPARE(feed.count(), 2u);
}

DAVOVADEZED_TEST_MAIN(tst_FeedFilters)

#include "tst_feedfilters.moc"
