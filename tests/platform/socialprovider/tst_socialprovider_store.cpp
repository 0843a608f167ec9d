#include "providerfixtures.h"

#include "socialprovidermanager.h"

#include <QSignalSpy>
#include <QtTest>

using namespace ProviderFixtures;

// Setting the provider's data up by hand, and what that broadcasts.
class tst_SocialProviderStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void singleManager();
    void accountLifecycle();
    void removingAccountDropsOnlyItsData();
    void refusedAccountChanges();
    void personsReplaceOrMerge();
    void recordsWithoutIdsAreNotStored();
    void activitiesReplaceOrMerge();
    void insertIsSilent();
    void initializedOnChangeOnly();
    void resetDropsEverythingQuietly();

private:
    SocialProviderManager *m_manager = SocialProviderManager::instance();
    const QDateTime m_now = QDateTime(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
};

void tst_SocialProviderStore::init()
{
    providerData()->reset();
}

void tst_SocialProviderStore::singleManager()
{
    QCOMPARE(SocialProviderManager::instance(), m_manager);
    QVERIFY(!m_manager->parent());
    QCOMPARE(m_manager->store(), providerData());
}

void tst_SocialProviderStore::accountLifecycle()
{
    QSignalSpy added(m_manager, &SocialProviderManager::accountsAdded);
    QSignalSpy changed(m_manager, &SocialProviderManager::accountsChanged);
    QSignalSpy removed(m_manager, &SocialProviderManager::accountsRemoved);

    providerData()->addAccount(account("fb", "facebook", "me"));
    QCOMPARE(added.count(), 1);
    QCOMPARE(added.at(0).at(0).toStringList(), QStringList({"fb"}));
    QCOMPARE(m_manager->account("fb").property(SocialServiceAccount::ProfileId), QString("me"));

    SocialServiceAccount renamed = account("fb", "facebook", "me2");
    providerData()->changeAccount(renamed);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toStringList(), QStringList({"fb"}));
    QCOMPARE(m_manager->account("fb"), renamed);

    providerData()->removeAccount("fb");
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(0).toStringList(), QStringList({"fb"}));
    QVERIFY(m_manager->accounts().isEmpty());
    QVERIFY(m_manager->account("fb").isEmpty());
}

void tst_SocialProviderStore::removingAccountDropsOnlyItsData()
{
    providerData()->addAccount(account("fb", "facebook", "me"));
    providerData()->addAccount(account("tw", "twittergw", "me"));
    providerData()->updatePersons({person("fb", "ann", "Ann"), person("tw", "ann", "Ann")});
    providerData()->insertActivity(
        counted(activity("fb", "a1", m_now, SocialActivity::Post, "ann")));
    providerData()->insertActivity(
        counted(activity("tw", "a1", m_now, SocialActivity::Post, "ann")));
    QSignalSpy removed(m_manager, &SocialProviderManager::accountsRemoved);

    providerData()->removeAccount("fb");

    QCOMPARE(removed.count(), 1);
    QCOMPARE(ids(providerData()->persons()), QStringList({"ann"}));
    QCOMPARE(providerData()->persons().first().parentAccount(), QString("tw"));
    QVERIFY(providerData()->person("fb", "ann").isEmpty());
    QCOMPARE(providerData()->activities().size(), 1);
    QCOMPARE(providerData()->activities().first().parentAccount(), QString("tw"));
    QVERIFY(providerData()->activity("fb", "a1").isEmpty());
}

void tst_SocialProviderStore::refusedAccountChanges()
{
    providerData()->addAccount(account("fb", "facebook", "me"));
    QSignalSpy added(m_manager, &SocialProviderManager::accountsAdded);
    QSignalSpy changed(m_manager, &SocialProviderManager::accountsChanged);
    QSignalSpy removed(m_manager, &SocialProviderManager::accountsRemoved);

    QTest::ignoreMessage(QtWarningMsg, "Will not add account \"fb\" twice");
    providerData()->addAccount(account("fb", "other", "someone"));
    QTest::ignoreMessage(QtWarningMsg, "Will not add an account without id");
    providerData()->addAccount(account(QString(), "other", "someone"));
    QTest::ignoreMessage(QtWarningMsg, "Will not change unknown account \"FB\"");
    providerData()->changeAccount(account("FB", "facebook", "me"));
    QTest::ignoreMessage(QtWarningMsg, "Will not remove unknown account \"tw\"");
    providerData()->removeAccount("tw");

    QCOMPARE(added.count() + changed.count() + removed.count(), 0);
    QCOMPARE(m_manager->accounts(), QList<SocialServiceAccount>{account("fb", "facebook", "me")});
}

void tst_SocialProviderStore::personsReplaceOrMerge()
{
    QSignalSpy updates(m_manager, &SocialProviderManager::personsUpdate);
    SocialNetworkPerson ann = person("fb", "ann", "Ann");
    ann.setProperty(SocialNetworkPerson::LastName, "Lee");
    providerData()->updatePersons({ann, person("fb", "bob", "Bob")});
    QCOMPARE(updates.count(), 1);
    QCOMPARE(updates.at(0).at(0).value<QList<SocialNetworkPerson>>().size(), 2);
    QVERIFY(updates.at(0).at(1).value<QList<QString>>().isEmpty());

    // Merge: only the named properties change, a named absent one is cleared.
    SocialNetworkPerson change = person("fb", "ann", "Anna");
    change.setProperty(SocialNetworkPerson::ScreenName, "annie");
    const QList<QString> names{SocialNetworkPerson::FirstName, SocialNetworkPerson::LastName};
    providerData()->updatePersons({change}, names);
    SocialNetworkPerson stored = providerData()->person("fb", "ann");
    QCOMPARE(stored.property(SocialNetworkPerson::FirstName), QString("Anna"));
    QVERIFY(!stored.hasProperty(SocialNetworkPerson::LastName));
    QVERIFY(!stored.hasProperty(SocialNetworkPerson::ScreenName));
    QCOMPARE(updates.count(), 2);
    QCOMPARE(updates.at(1).at(0).value<QList<SocialNetworkPerson>>(),
             QList<SocialNetworkPerson>{change});
    QCOMPARE(updates.at(1).at(1).value<QList<QString>>(), names);

    // Replace: the whole record.
    providerData()->updatePersons({change});
    QCOMPARE(providerData()->person("fb", "ann"), change);
    QCOMPARE(ids(providerData()->persons("fb")), QStringList({"ann", "bob"}));

    // One id in several accounts: in the order stored, whatever the accounts.
    providerData()->updatePersons({person("tw", "bob", "Bobby"), person("ab", "bob", "Robert")});
    const QList<SocialNetworkPerson> bobs = providerData()->personsWithId("bob");
    QCOMPARE(bobs.size(), 3);
    QCOMPARE(bobs.at(0).parentAccount(), QString("fb"));
    QCOMPARE(bobs.at(1).parentAccount(), QString("tw"));
    QCOMPARE(bobs.at(2).property(SocialNetworkPerson::FirstName), QString("Robert"));
    QVERIFY(providerData()->personsWithId("Bob").isEmpty());
}

void tst_SocialProviderStore::recordsWithoutIdsAreNotStored()
{
    QSignalSpy updates(m_manager, &SocialProviderManager::personsUpdate);
    const SocialNetworkPerson orphan = person(QString(), "orphan", "Otto");

    QTest::ignoreMessage(QtWarningMsg,
                         "Will not store a person without id or account: \"orphan\" \"\"");
    providerData()->updatePersons({orphan, person("fb", "ann", "Ann")});

    // Reported as they came, as the network provider would.
    QCOMPARE(updates.count(), 1);
    QCOMPARE(updates.at(0).at(0).value<QList<SocialNetworkPerson>>().first(), orphan);
    QCOMPARE(ids(providerData()->persons()), QStringList({"ann"}));

    QTest::ignoreMessage(QtWarningMsg,
                         "Will not store an activity without id or account: \"\" \"fb\"");
    providerData()->insertActivity(
        counted(activity("fb", QString(), m_now, SocialActivity::Post, "ann")));
    QVERIFY(providerData()->activities().isEmpty());
}

void tst_SocialProviderStore::activitiesReplaceOrMerge()
{
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);
    SocialActivity first = counted(activity("fb", "a1", m_now, SocialActivity::Post, "ann"));
    providerData()->updateActivities({first}, {}, SocialProviderTimeline::Home);
    QCOMPARE(updates.count(), 1);
    QCOMPARE(updates.at(0).at(0).value<QList<SocialActivity>>(), QList<SocialActivity>{first});
    QCOMPARE(providerData()->timelineOf("fb", "a1"), SocialProviderTimeline::Home);

    SocialActivity count({{SocialActivity::Id, "a1"},
                          {SocialActivity::ParentAccount, "fb"},
                          {SocialActivity::LikeCount, 7u},
                          {SocialActivity::Description, "ignored"}});
    providerData()->updateActivities({count}, {SocialActivity::LikeCount});
    SocialActivity stored = providerData()->activity("fb", "a1");
    QCOMPARE(stored.variantProperty(SocialActivity::LikeCount).toUInt(), 7u);
    QCOMPARE(stored.description(), first.description());
    QCOMPARE(providerData()->timelineOf("fb", "a1"), SocialProviderTimeline::Home);
    QCOMPARE(updates.count(), 2);
    QCOMPARE(updates.at(1).at(1).value<QList<QString>>(),
             QList<QString>({SocialActivity::LikeCount}));

    providerData()->updateActivities({count});
    QCOMPARE(providerData()->activity("fb", "a1"), count);
}

void tst_SocialProviderStore::insertIsSilent()
{
    QSignalSpy updates(m_manager, &SocialProviderManager::activityUpdate);
    providerData()->insertActivity(
        counted(activity("fb", "old", m_now.addDays(-1), SocialActivity::Post, "ann")),
        SocialProviderTimeline::Wall);
    providerData()->insertActivity(
        counted(activity("fb", "new", m_now, SocialActivity::Post, "ann")));
    QCOMPARE(updates.count(), 0);
    QCOMPARE(ids(providerData()->activities()), QStringList({"new", "old"}));
    QCOMPARE(providerData()->timelineOf("fb", "old"), SocialProviderTimeline::Wall);
    QCOMPARE(providerData()->timelineOf("fb", "missing"), SocialProviderTimeline::NoTimeline);
}

void tst_SocialProviderStore::initializedOnChangeOnly()
{
    QSignalSpy initialized(m_manager, &SocialProviderManager::initialized);
    QVERIFY(!m_manager->isInitialized());
    providerData()->setInitialized(true);
    providerData()->setInitialized(true);
    QCOMPARE(initialized.count(), 1);
    QVERIFY(m_manager->isInitialized());
    providerData()->setInitialized(false);
    QVERIFY(!m_manager->isInitialized());
    QCOMPARE(initialized.count(), 1);
}

void tst_SocialProviderStore::resetDropsEverythingQuietly()
{
    providerData()->addService(SocialService({{SocialService::Id, "facebook"}}));
    providerData()->addAccount(account("fb", "facebook", "me"));
    providerData()->updatePersons({person("fb", "ann", "Ann")});
    providerData()->insertActivity(
        counted(activity("fb", "a1", m_now, SocialActivity::Post, "ann")));
    providerData()->setLikers("fb", "a1", {"ann"});
    providerData()->setInitialized(true);
    providerData()->setOffline(true);
    QSignalSpy removed(m_manager, &SocialProviderManager::accountsRemoved);
    QSignalSpy initialized(m_manager, &SocialProviderManager::initialized);

    providerData()->reset();

    QCOMPARE(removed.count() + initialized.count(), 0);
    QVERIFY(m_manager->services().isEmpty());
    QVERIFY(m_manager->accounts().isEmpty());
    QVERIFY(providerData()->persons().isEmpty());
    QVERIFY(providerData()->activities().isEmpty());
    QVERIFY(providerData()->likers("fb", "a1").isEmpty());
    QVERIFY(!providerData()->isInitialized());
    QVERIFY(!providerData()->isOffline());
}

QTEST_GUILESS_MAIN(tst_SocialProviderStore)
#include "tst_socialprovider_store.moc"
