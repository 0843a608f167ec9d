#include "providerfixtures.h"

#include "socialgetactivitiesrequest.h"
#include "socialgetlikersrequest.h"
#include "socialgetpersonsrequest.h"
#include "sociallikeactivityrequest.h"
#include "socialpostactivitiesrequest.h"
#include "socialprovidermanager.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

using namespace ProviderFixtures;

// Fetching: the life of a request and every setting of the fetch requests.
class tst_SocialProviderRequests : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void finishesOnceOnLaterTurn();
    void deletedRequestNeverFinishes();
    void refusesNullAndRepeatedRequests();

    void unfilteredFetchIsNewestFirst();
    void timelineNarrows();
    void activityTypeNarrows();
    void personsNarrowByOwnerOrReceiver();
    void parentActivityNarrows();
    void beforeIsStrict();
    void afterIsStrict();
    void accountsNarrow();
    void settingsCombine();
    void limitKeepsNewest_data();
    void limitKeepsNewest();
    void defaultLimitIsTwenty();

    void personsOfRequestedAccounts();
    void likersInLikingOrder();
    void likersOfUnknownActivityAreNotFound();

    void offlineFailsEveryRequestAndChangesNothing();

private:
    QStringList fetch(SocialGetActivitiesRequest *request,
                      const QList<SocialServiceAccount> &accounts = {});

    const QDateTime m_now = QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
};

void tst_SocialProviderRequests::init()
{
    SocialDataStore *data = providerData();
    data->reset();
    data->addAccount(account("fb", "facebook", "me-fb"));
    data->addAccount(account("tw", "twittergw", "me-tw"));
    data->updatePersons(
        {person("fb", "ann", "Ann"), person("fb", "bob", "Bob"), person("tw", "dan", "Dan")});

    SocialActivity a1 =
        counted(activity("fb", "a1", m_now.addSecs(-3600), SocialActivity::Post, "ann"));
    a1.setProperty(SocialActivity::ReceiverPersonId, "me-fb");
    SocialActivity c1 =
        counted(activity("fb", "c1", m_now.addSecs(-1800), SocialActivity::Comment, "bob"));
    c1.setProperty(SocialActivity::ParentActivityId, "a1");
    SocialActivity t1 =
        counted(activity("tw", "t1", m_now.addSecs(-600), SocialActivity::Post, "dan"));
    t1.setProperty(SocialActivity::ReceiverPersonId, "ann");

    data->insertActivity(a1, SocialProviderTimeline::Home);
    data->insertActivity(c1);
    data->insertActivity(
        counted(activity("fb", "a2", m_now.addSecs(-2 * 3600), SocialActivity::Photo, "bob")),
        SocialProviderTimeline::Photos);
    data->insertActivity(
        counted(activity("fb", "x1", m_now.addSecs(-3 * 3600), SocialActivity::AnyType, "cat")),
        SocialProviderTimeline::Home);
    data->insertActivity(t1, SocialProviderTimeline::Home);
    data->insertActivity(
        counted(activity("tw", "t2", m_now.addSecs(-4 * 3600), SocialActivity::Post, "me-tw")),
        SocialProviderTimeline::Wall);
    data->setInitialized(true);
}

QStringList tst_SocialProviderRequests::fetch(SocialGetActivitiesRequest *request,
                                              const QList<SocialServiceAccount> &accounts)
{
    const QScopedPointer<SocialGetActivitiesRequest> owner(request);
    if (!run(request, accounts))
        return {"<never finished>"};
    if (!request->errors().isEmpty())
        return {"<error>"};
    return ids(request->activities());
}

void tst_SocialProviderRequests::finishesOnceOnLaterTurn()
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    SocialGetActivitiesRequest request;
    QSignalSpy performed(manager, &SocialProviderManager::requestPerformed);
    QSignalSpy finished(&request, &SocialDataRequest::finished);
    const QList<SocialServiceAccount> accounts{manager->account("tw")};

    manager->performRequest(&request, accounts);

    QCOMPARE(performed.count(), 1);
    QCOMPARE(performed.at(0).at(0).value<SocialDataRequest *>(), &request);
    QCOMPARE(request.accounts(), accounts);
    QCOMPARE(finished.count(), 0);
    QVERIFY(!request.isFinished());
    QVERIFY(request.activities().isEmpty());

    QVERIFY(finished.wait());
    QCOMPARE(finished.at(0).at(0).value<SocialDataRequest *>(), &request);
    QVERIFY(request.isFinished());
    QCOMPARE(ids(request.activities()), QStringList({"t1", "t2"}));

    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 1);
}

void tst_SocialProviderRequests::deletedRequestNeverFinishes()
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    QSignalSpy updates(manager, &SocialProviderManager::activityUpdate);
    auto *doomed = new SocialLikeActivityRequest("a1", true);
    QSignalSpy doomedFinished(doomed, &SocialDataRequest::finished);
    SocialGetPersonsRequest survivor;
    QSignalSpy survivorFinished(&survivor, &SocialDataRequest::finished);

    manager->performRequest(doomed, {});
    manager->performRequest(&survivor, {});
    delete doomed;

    QVERIFY(survivorFinished.wait());
    QCOMPARE(doomedFinished.count(), 0);
    // The deleted like never ran.
    QCOMPARE(updates.count(), 0);
    QCOMPARE(providerData()->activity("fb", "a1").variantProperty(SocialActivity::IsLikedByMe),
             false);
}

void tst_SocialProviderRequests::refusesNullAndRepeatedRequests()
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    QSignalSpy performed(manager, &SocialProviderManager::requestPerformed);

    QTest::ignoreMessage(QtWarningMsg, "Will not perform a null request");
    manager->performRequest(nullptr, {});
    QCOMPARE(performed.count(), 0);

    SocialGetPersonsRequest request;
    QSignalSpy finished(&request, &SocialDataRequest::finished);
    manager->performRequest(&request, {});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Will not perform a request twice"));
    manager->performRequest(&request, {});
    QVERIFY(finished.wait());
    QCoreApplication::processEvents();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(performed.count(), 1);
}

void tst_SocialProviderRequests::unfilteredFetchIsNewestFirst()
{
    auto *request = new SocialGetActivitiesRequest;
    QCOMPARE(fetch(request), QStringList({"t1", "c1", "a1", "a2", "x1", "t2"}));
}

void tst_SocialProviderRequests::timelineNarrows()
{
    auto *request = new SocialGetActivitiesRequest;
    request->setTimelineType(SocialProviderTimeline::Home);
    SocialProviderTimeline::TimelineType answered = SocialProviderTimeline::NoTimeline;
    connect(request, &SocialDataRequest::finished, this,
            [&] { answered = request->timelineType(); });
    QCOMPARE(fetch(request), QStringList({"t1", "a1", "x1"}));
    QCOMPARE(answered, SocialProviderTimeline::Home);
}

void tst_SocialProviderRequests::activityTypeNarrows()
{
    // An activity of any type answers to every type.
    auto *request = new SocialGetActivitiesRequest;
    request->setActivityFilter(SocialActivity::Photo);
    QCOMPARE(fetch(request), QStringList({"a2", "x1"}));
}

void tst_SocialProviderRequests::personsNarrowByOwnerOrReceiver()
{
    auto *request = new SocialGetActivitiesRequest;
    request->setPersonsFilter({"ann"});
    QCOMPARE(fetch(request), QStringList({"t1", "a1"}));

    request = new SocialGetActivitiesRequest;
    request->setPersonsFilter({"bob", "me-tw"});
    QCOMPARE(fetch(request), QStringList({"c1", "a2", "t2"}));
}

void tst_SocialProviderRequests::parentActivityNarrows()
{
    auto *request = new SocialGetActivitiesRequest;
    request->setParentActivityIdFilter("a1");
    QCOMPARE(fetch(request), QStringList({"c1"}));

    request = new SocialGetActivitiesRequest;
    request->setParentActivityIdFilter("a");
    QCOMPARE(fetch(request), QStringList());

    // Set but empty: only activities without a parent.
    request = new SocialGetActivitiesRequest;
    request->setParentActivityIdFilter(QLatin1String(""));
    QCOMPARE(fetch(request), QStringList({"t1", "a1", "a2", "x1", "t2"}));
}

void tst_SocialProviderRequests::beforeIsStrict()
{
    auto *request = new SocialGetActivitiesRequest;
    request->setBefore(m_now.addSecs(-3600));
    QCOMPARE(fetch(request), QStringList({"a2", "x1", "t2"}));
}

void tst_SocialProviderRequests::afterIsStrict()
{
    auto *request = new SocialGetActivitiesRequest;
    request->setAfter(m_now.addSecs(-3600));
    QCOMPARE(fetch(request), QStringList({"t1", "c1"}));
}

void tst_SocialProviderRequests::accountsNarrow()
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    QCOMPARE(fetch(new SocialGetActivitiesRequest, {manager->account("tw")}),
             QStringList({"t1", "t2"}));
    // The record of an unknown account selects nothing rather than everything.
    QCOMPARE(fetch(new SocialGetActivitiesRequest, {manager->account("gone")}), QStringList());
}

void tst_SocialProviderRequests::settingsCombine()
{
    auto *request = new SocialGetActivitiesRequest;
    request->setTimelineType(SocialProviderTimeline::Home);
    request->setPersonsFilter({"ann", "cat"});
    QCOMPARE(fetch(request, {SocialProviderManager::instance()->account("fb")}),
             QStringList({"a1", "x1"}));
}

void tst_SocialProviderRequests::limitKeepsNewest_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two") << 2 << QStringList({"t1", "c1"});
    QTest::newRow("one") << 1 << QStringList({"t1"});
    QTest::newRow("zero means none") << 0 << QStringList({"t1", "c1", "a1", "a2", "x1", "t2"});
    QTest::newRow("negative means none") << -3 << QStringList({"t1", "c1", "a1", "a2", "x1", "t2"});
}

void tst_SocialProviderRequests::limitKeepsNewest()
{
    QFETCH(int, limit);
    QFETCH(QStringList, expected);
    auto *request = new SocialGetActivitiesRequest;
    request->setLimit(limit);
    QCOMPARE(fetch(request), expected);

    // The limit applies after filtering.
    if (limit == 1) {
        request = new SocialGetActivitiesRequest;
        request->setLimit(limit);
        request->setActivityFilter(SocialActivity::Photo);
        QCOMPARE(fetch(request), QStringList({"a2"}));
    }
}

void tst_SocialProviderRequests::defaultLimitIsTwenty()
{
    for (int i = 0; i < 25; ++i)
        providerData()->insertActivity(
            counted(activity("tw", QString("bulk%1").arg(i), m_now.addDays(-2).addSecs(i),
                             SocialActivity::Post, "dan")));
    const QStringList fetched = fetch(new SocialGetActivitiesRequest);
    QCOMPARE(fetched.size(), 20);
    QCOMPARE(fetched.first(), QString("t1"));
    QCOMPARE(fetched.last(), QString("bulk11"));
}

void tst_SocialProviderRequests::personsOfRequestedAccounts()
{
    SocialGetPersonsRequest all;
    QVERIFY(run(&all));
    QVERIFY(all.errors().isEmpty());
    QCOMPARE(ids(all.persons()), QStringList({"ann", "bob", "dan"}));

    SocialGetPersonsRequest facebook;
    QVERIFY(run(&facebook, {SocialProviderManager::instance()->account("fb")}));
    QCOMPARE(ids(facebook.persons()), QStringList({"ann", "bob"}));
    QCOMPARE(facebook.persons().first().parentAccount(), QString("fb"));
}

void tst_SocialProviderRequests::likersInLikingOrder()
{
    providerData()->setLikers("fb", "a1", {"bob", "ghost", "ann"});
    SocialGetLikersRequest request("a1");
    QVERIFY(run(&request));
    QVERIFY(request.errors().isEmpty());
    QCOMPARE(ids(request.persons()), QStringList({"bob", "ghost", "ann"}));
    QCOMPARE(request.persons().at(0).property(SocialNetworkPerson::FirstName), QString("Bob"));
    // Someone the account knows nothing else about still counts.
    QCOMPARE(request.persons().at(1).parentAccount(), QString("fb"));
}

void tst_SocialProviderRequests::likersOfUnknownActivityAreNotFound()
{
    SocialGetLikersRequest unknown("nope");
    QVERIFY(run(&unknown));
    QCOMPARE(unknown.errors().size(), 1);
    QCOMPARE(unknown.errors().first().type(), int(SocialProviderError::NotFound));
    QVERIFY(unknown.errors().first().description().contains("nope"));
    QVERIFY(unknown.persons().isEmpty());

    // a1 lives on fb only.
    SocialGetLikersRequest elsewhere("a1");
    QVERIFY(run(&elsewhere, {SocialProviderManager::instance()->account("tw")}));
    QCOMPARE(elsewhere.errors().size(), 1);
    QCOMPARE(elsewhere.errors().first().type(), int(SocialProviderError::NotFound));
}

void tst_SocialProviderRequests::offlineFailsEveryRequestAndChangesNothing()
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    const QList<SocialActivity> before = providerData()->activities();
    providerData()->setOffline(true);
    QSignalSpy updates(manager, &SocialProviderManager::activityUpdate);

    QList<SocialDataRequest *> requests{
        new SocialGetActivitiesRequest, new SocialGetPersonsRequest,
        new SocialGetLikersRequest("a1"), new SocialLikeActivityRequest("a1", true),
        new SocialPostActivitiesRequest(SocialActivity::Comment, "hello", "a1")};
    for (SocialDataRequest *request : requests) {
        const QScopedPointer<SocialDataRequest> owner(request);
        QVERIFY(run(request));
        QCOMPARE(request->errors().size(), 1);
        QCOMPARE(request->errors().first().type(), int(SocialProviderError::NetworkError));
        QVERIFY(!request->errors().first().description().isEmpty());
    }
    QCOMPARE(updates.count(), 0);
    QCOMPARE(providerData()->activities(), before);

    // Back online the same request goes through.
    providerData()->setOffline(false);
    SocialLikeActivityRequest like("a1", true);
    QVERIFY(run(&like));
    QVERIFY(like.errors().isEmpty());
    QCOMPARE(updates.count(), 1);
}

QTEST_GUILESS_MAIN(tst_SocialProviderRequests)
#include "tst_socialprovider_requests.moc"
