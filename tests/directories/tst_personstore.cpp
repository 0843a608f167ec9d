#include "logcatcher.h"
#include "providerfixtures.h"

#include <personstore.h>
#include <socialgetpersonsrequest.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSignalBlocker>
#include <QSignalSpy>
#include <QTest>

using namespace ProviderFixtures;

namespace {

const QByteArray s_onInitialized("void PersonStorePrivate::onInitialized() ");
const QByteArray
    s_onAccountsUpdated("void PersonStorePrivate::onAccountsUpdated(const QStringList&) ");
const QByteArray
    s_onAccountsRemoved("void PersonStorePrivate::onAccountsRemoved(const QStringList&) ");
const QByteArray s_onPersonsUpdate("void PersonStorePrivate::onPersonsUpdate(const "
                                   "QList<SocialNetworkPerson>&, const QList<QString>&) ");
const QByteArray s_onPersonsRequestFinished("void PersonStorePrivate::onPersonsRequestFinished() ");
const QByteArray s_isOwnContact("static bool PersonStore::isOwnContact(const QString&, const "
                                "QString&) ");
const QByteArray s_person("static SocialNetworkPerson PersonStore::person(const QString&, const "
                          "QString&) ");

void expectDebug(const QByteArray &signature, const QByteArray &tail)
{
    QTest::ignoreMessage(QtDebugMsg, (signature + tail).constData());
}

QVariantMap names(const QString &firstName, const QString &lastName = QString())
{
    QVariantMap properties;
    properties.insert(SocialNetworkPerson::FirstName, firstName);
    if (!lastName.isNull())
        properties.insert(SocialNetworkPerson::LastName, lastName);
    return properties;
}

SocialNetworkPerson personFromSpy(const QSignalSpy &spy, int index)
{
    return spy.at(index).at(0).value<SocialNetworkPerson>();
}

} // namespace

class tst_PersonStore : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void ownProfilesAreKnownAtStartup();
    void startupWaitsForInitialized();
    void storeIsRebuiltEmptyAfterDestruction();
    void handBuiltStoreLeavesSharedOneAlone();
    void lookupOfUnknownPersonCreatesNothing();
    void wholeUpdateReplacesPerson();
    void partialUpdateMergesIntoStoredPerson();
    void partialUpdateForNewKeyCreatesPerson();
    void personsWithoutIdsAreDropped();
    void updateOfOwnProfileIsAnnounced();
    void newOwnProfilesShareOneRequest();
    void accountUpdateFollowsAccountState_data();
    void accountUpdateFollowsAccountState();
    void repeatedUpdateKeepsKnownPair();
    void removingAccountDropsOnlyItsData();
    void requestOutlivingStoreIsReleased();
};

void tst_PersonStore::init()
{
    providerData()->reset();
    providerData()->setInitialized(true);
}

void tst_PersonStore::cleanup()
{
    delete PersonStore::instance();
}

void tst_PersonStore::ownProfilesAreKnownAtStartup()
{
    providerData()->addAccount(account("acc-on", "svc", "p-on", SocialServiceAccount::Enabled));
    providerData()->addAccount(account("acc-off", "svc", "p-off", SocialServiceAccount::Disabled));
    providerData()->addAccount(
        account("acc-failed", "svc", "p-failed", SocialServiceAccount::Failed));
    QSignalSpy requests(SocialProviderManager::instance(),
                        &SocialProviderManager::requestPerformed);

    QTest::ignoreMessage(QtDebugMsg, "PersonStore::PersonStore(QObject*)");
    expectDebug(s_onInitialized, "\"acc-on\" \"p-on\" \"acc-on-user\" 1");
    expectDebug(s_onInitialized, "\"acc-off\" \"p-off\" \"acc-off-user\" 0");
    expectDebug(s_onInitialized, "\"acc-failed\" \"p-failed\" \"acc-failed-user\" 2");
    // Start-up takes every account, whatever its state.
    expectDebug(s_onInitialized,
                "Adding account-profile pair QPair(\"acc-on\",\"p-on\") to own ids list");
    expectDebug(s_onInitialized,
                "Adding account-profile pair QPair(\"acc-off\",\"p-off\") to own ids list");
    expectDebug(s_onInitialized,
                "Adding account-profile pair QPair(\"acc-failed\",\"p-failed\") to own ids list");
    PersonStore *store = PersonStore::instance();

    QCOMPARE(PersonStore::instance(), store);
    QCOMPARE(store->parent(), QCoreApplication::instance());

    expectDebug(s_isOwnContact, "\"acc-on\" \"p-on\" is own contact");
    QVERIFY(PersonStore::isOwnContact("acc-on", "p-on"));
    expectDebug(s_isOwnContact, "\"acc-off\" \"p-off\" is own contact");
    QVERIFY(PersonStore::isOwnContact(person("acc-off", "p-off")));
    QVERIFY(PersonStore::isOwnContact("acc-failed", "p-failed"));

    LogCatcher log;
    QVERIFY(!PersonStore::isOwnContact("acc-on", "p-off"));
    QVERIFY(!PersonStore::isOwnContact("ACC-ON", "p-on"));
    QVERIFY(!PersonStore::isOwnContact(person("acc-on", "P-ON")));
    QCOMPARE(log.count("is own contact"), 0);

    // Start-up only reads the accounts; no persons are fetched.
    QCOMPARE(requests.count(), 0);
}

void tst_PersonStore::startupWaitsForInitialized()
{
    providerData()->reset();
    providerData()->addAccount(account("acc-late", "svc", "p-late"));
    providerData()->addAccount(
        account("acc-later", "svc", "p-later", SocialServiceAccount::Failed));

    PersonStore::instance();
    QVERIFY(!PersonStore::isOwnContact("acc-late", "p-late"));

    expectDebug(s_onInitialized,
                "Adding account-profile pair QPair(\"acc-late\",\"p-late\") to own ids list");
    expectDebug(s_onInitialized,
                "Adding account-profile pair QPair(\"acc-later\",\"p-later\") to own ids list");
    providerData()->setInitialized(true);

    QVERIFY(PersonStore::isOwnContact("acc-late", "p-late"));
    QVERIFY(PersonStore::isOwnContact("acc-later", "p-later"));
}

void tst_PersonStore::storeIsRebuiltEmptyAfterDestruction()
{
    providerData()->addAccount(account("acc", "svc", "p1"));
    QPointer<PersonStore> first = PersonStore::instance();
    providerData()->updatePersons({person("acc", "friend", names("Ann"))});
    QCOMPARE(PersonStore::person("acc", "friend").property(SocialNetworkPerson::FirstName),
             QString("Ann"));

    QTest::ignoreMessage(QtDebugMsg, "virtual PersonStore::~PersonStore()");
    delete first.data();
    QVERIFY(first.isNull());

    // The next store starts afresh: empty cache, start-up run again.
    QTest::ignoreMessage(QtDebugMsg, "PersonStore::PersonStore(QObject*)");
    expectDebug(s_onInitialized,
                "Adding account-profile pair QPair(\"acc\",\"p1\") to own ids list");
    PersonStore *second = PersonStore::instance();
    QVERIFY(second);
    QCOMPARE(second->parent(), QCoreApplication::instance());
    QVERIFY(PersonStore::person("acc", "friend").id().isEmpty());
    QVERIFY(PersonStore::isOwnContact("acc", "p1"));
}

void tst_PersonStore::handBuiltStoreLeavesSharedOneAlone()
{
    QPointer<PersonStore> shared = PersonStore::instance();
    providerData()->updatePersons({person("acc", "friend", names("Ann"))});

    delete new PersonStore;

    QVERIFY(!shared.isNull());
    QCOMPARE(PersonStore::instance(), shared.data());
    QCOMPARE(PersonStore::person("acc", "friend").id(), QString("friend"));
}

void tst_PersonStore::lookupOfUnknownPersonCreatesNothing()
{
    providerData()->addAccount(account("acc", "svc", "p1"));
    PersonStore::instance();
    providerData()->updatePersons({person("acc", "known", names("Kim"))});

    expectDebug(s_person, "\"acc\" \"stranger\"");
    const SocialNetworkPerson missing = PersonStore::person("acc", "stranger");
    QVERIFY(missing.id().isEmpty());
    QVERIFY(missing.properties().isEmpty());

    // Removal walks the whole cache: only the person reported is in it.
    LogCatcher log;
    providerData()->removeAccount("acc");
    QCOMPARE(log.count("from contacts hash"), 1);
}

void tst_PersonStore::wholeUpdateReplacesPerson()
{
    QSignalSpy updated(PersonStore::instance(), &PersonStore::personUpdated);
    providerData()->updatePersons({person("acc", "friend", names("Ann", "Lee"))});
    QCOMPARE(updated.count(), 1);
    QCOMPARE(PersonStore::person("acc", "friend").property(SocialNetworkPerson::LastName),
             QString("Lee"));

    const SocialNetworkPerson incoming = person("acc", "friend", names("Anna"));
    expectDebug(s_onPersonsUpdate, "1 persons ()");
    expectDebug(s_onPersonsUpdate, "copy");
    providerData()->updatePersons({incoming});

    QCOMPARE(updated.count(), 2);
    QCOMPARE(personFromSpy(updated, 1), incoming);
    const SocialNetworkPerson stored = PersonStore::person("acc", "friend");
    QCOMPARE(stored, incoming);
    QVERIFY(!stored.hasProperty(SocialNetworkPerson::LastName));
}

void tst_PersonStore::partialUpdateMergesIntoStoredPerson()
{
    QSignalSpy updated(PersonStore::instance(), &PersonStore::personUpdated);
    providerData()->updatePersons({person("acc", "friend", names("Ann", "Lee"))});
    // Forget the provider's copy, so only the store can supply the last name.
    providerData()->reset();
    providerData()->setInitialized(true);

    QVariantMap changes = names("Anna");
    changes.insert(SocialNetworkPerson::ScreenName, "annie");
    expectDebug(s_onPersonsUpdate, "1 persons (\"FirstName\")");
    providerData()->updatePersons({person("acc", "friend", changes)},
                                  {SocialNetworkPerson::FirstName});

    QCOMPARE(updated.count(), 2);
    const SocialNetworkPerson merged = PersonStore::person("acc", "friend");
    QCOMPARE(merged.property(SocialNetworkPerson::FirstName), QString("Anna"));
    QCOMPARE(merged.property(SocialNetworkPerson::LastName), QString("Lee"));
    // Carried but not named: taken over all the same.
    QCOMPARE(merged.property(SocialNetworkPerson::ScreenName), QString("annie"));
    QCOMPARE(personFromSpy(updated, 1), merged);
}

void tst_PersonStore::partialUpdateForNewKeyCreatesPerson()
{
    QSignalSpy updated(PersonStore::instance(), &PersonStore::personUpdated);
    const SocialNetworkPerson incoming = person("acc", "newcomer", names("Nia"));

    LogCatcher log;
    providerData()->updatePersons({incoming}, {SocialNetworkPerson::FirstName});

    QCOMPARE(updated.count(), 1);
    QCOMPARE(personFromSpy(updated, 0), incoming);
    QCOMPARE(PersonStore::person("acc", "newcomer"), incoming);
    QCOMPARE(log.count(QString::fromLatin1(s_onPersonsUpdate + "copy")), 0);
}

void tst_PersonStore::personsWithoutIdsAreDropped()
{
    QSignalSpy updated(PersonStore::instance(), &PersonStore::personUpdated);
    const SocialNetworkPerson valid = person("acc", "friend", names("Ann"));

    providerData()->updatePersons({person(QString(), "orphan", names("Otto")),
                                   person("acc", QString(), names("Nobody")), valid});
    providerData()->updatePersons({person(QString(), "orphan", names("Otto"))},
                                  {SocialNetworkPerson::FirstName});

    QCOMPARE(updated.count(), 1);
    QCOMPARE(personFromSpy(updated, 0), valid);
    QVERIFY(PersonStore::person(QString(), "orphan").id().isEmpty());
    QVERIFY(PersonStore::person("acc", QString()).properties().isEmpty());
}

void tst_PersonStore::updateOfOwnProfileIsAnnounced()
{
    providerData()->addAccount(account("acc", "svc", "me"));
    QSignalSpy updated(PersonStore::instance(), &PersonStore::personUpdated);

    expectDebug(s_onPersonsUpdate, "PersonUpdate for own id QPair(\"acc\",\"me\")");
    providerData()->updatePersons({person("acc", "me", names("Myself"))});

    // Own profiles are cached like anyone else.
    QCOMPARE(updated.count(), 1);
    QCOMPARE(PersonStore::person("acc", "me").property(SocialNetworkPerson::FirstName),
             QString("Myself"));
}

void tst_PersonStore::newOwnProfilesShareOneRequest()
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    PersonStore *store = PersonStore::instance();
    {
        // Let the provider learn about the accounts without telling anyone yet.
        const QSignalBlocker quiet(manager);
        providerData()->addAccount(account("acc-a", "svc", "pa"));
        providerData()->addAccount(account("acc-b", "svc", "pb", SocialServiceAccount::Syncing));
        providerData()->updatePersons(
            {person("acc-a", "friend-a", names("Abe")), person("acc-b", "friend-b", names("Bea"))});
    }
    QSignalSpy requests(manager, &SocialProviderManager::requestPerformed);
    QSignalSpy updated(store, &PersonStore::personUpdated);

    expectDebug(s_onAccountsUpdated, "\"acc-a\" \"pa\" \"acc-a-user\" 1");
    expectDebug(s_onAccountsUpdated, "\"acc-b\" \"pb\" \"acc-b-user\" 3");
    expectDebug(s_onAccountsUpdated,
                "Adding account-profile pair QPair(\"acc-a\",\"pa\") to own ids list");
    expectDebug(s_onAccountsUpdated,
                "Adding account-profile pair QPair(\"acc-b\",\"pb\") to own ids list");
    emit manager->accountsAdded({"acc-a", "acc-b"});

    QVERIFY(PersonStore::isOwnContact("acc-a", "pa"));
    QVERIFY(PersonStore::isOwnContact("acc-b", "pb"));
    QCOMPARE(requests.count(), 1);
    auto *request =
        qobject_cast<SocialGetPersonsRequest *>(requests.at(0).at(0).value<SocialDataRequest *>());
    QVERIFY(request);
    QVERIFY(request->accounts().isEmpty());
    const QPointer<SocialGetPersonsRequest> pending = request;

    expectDebug(s_onPersonsRequestFinished, "2");
    QTRY_COMPARE(updated.count(), 2);
    QCOMPARE(PersonStore::person("acc-a", "friend-a").property(SocialNetworkPerson::FirstName),
             QString("Abe"));
    QCOMPARE(PersonStore::person("acc-b", "friend-b").property(SocialNetworkPerson::FirstName),
             QString("Bea"));
    QTRY_VERIFY(pending.isNull());
    QCOMPARE(requests.count(), 1);
}

void tst_PersonStore::accountUpdateFollowsAccountState_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("adopted");

    QTest::newRow("disabled") << int(SocialServiceAccount::Disabled) << false;
    QTest::newRow("enabled") << int(SocialServiceAccount::Enabled) << true;
    QTest::newRow("failed") << int(SocialServiceAccount::Failed) << false;
    QTest::newRow("syncing") << int(SocialServiceAccount::Syncing) << true;
}

void tst_PersonStore::accountUpdateFollowsAccountState()
{
    QFETCH(int, state);
    QFETCH(bool, adopted);
    providerData()->addAccount(account("acc-known", "svc", "p-known"));
    PersonStore::instance();
    QSignalSpy requests(SocialProviderManager::instance(),
                        &SocialProviderManager::requestPerformed);

    providerData()->addAccount(account("acc-new", "svc", "p-new", state));
    QCOMPARE(PersonStore::isOwnContact("acc-new", "p-new"), adopted);
    QCOMPARE(requests.count(), adopted ? 1 : 0);

    // A known profile is never dropped by a state change.
    const QByteArray line =
        "\"acc-known\" \"p-renamed\" \"acc-known-user\" " + QByteArray::number(state);
    expectDebug(s_onAccountsUpdated, line);
    providerData()->changeAccount(account("acc-known", "svc", "p-renamed", state));
    QVERIFY(PersonStore::isOwnContact("acc-known", "p-known"));
    QCOMPARE(PersonStore::isOwnContact("acc-known", "p-renamed"), adopted);
    QCOMPARE(requests.count(), adopted ? 2 : 0);
}

void tst_PersonStore::repeatedUpdateKeepsKnownPair()
{
    providerData()->addAccount(account("acc", "svc", "p1"));
    PersonStore::instance();
    QSignalSpy requests(SocialProviderManager::instance(),
                        &SocialProviderManager::requestPerformed);

    expectDebug(s_onAccountsUpdated, "Already had account-profile pair QPair(\"acc\",\"p1\")");
    LogCatcher log;
    providerData()->changeAccount(account("acc", "svc", "p1", SocialServiceAccount::Syncing));

    QCOMPARE(requests.count(), 0);
    QCOMPARE(log.count("Adding account-profile pair"), 0);
    QVERIFY(PersonStore::isOwnContact("acc", "p1"));
}

void tst_PersonStore::removingAccountDropsOnlyItsData()
{
    providerData()->addAccount(account("acc", "svc", "p1"));
    providerData()->addAccount(account("ACC", "svc", "p1"));
    providerData()->addAccount(account("other", "svc", "p2"));
    PersonStore::instance();
    QVariantMap screen;
    screen.insert(SocialNetworkPerson::ScreenName, "gone");
    providerData()->updatePersons(
        {person("acc", "friend", screen), person("ACC", "friend"), person("other", "friend")});
    QSignalSpy updated(PersonStore::instance(), &PersonStore::personUpdated);

    expectDebug(s_onAccountsRemoved, "(\"acc\")");
    expectDebug(s_onAccountsRemoved, "Removing QPair(\"acc\",\"p1\") from own ids list");
    expectDebug(s_onAccountsRemoved, "Removing \"gone\" from contacts hash");
    providerData()->removeAccount("acc");

    QVERIFY(!PersonStore::isOwnContact("acc", "p1"));
    QVERIFY(PersonStore::person("acc", "friend").id().isEmpty());
    // Ids are compared exactly: the upper-case account is another account.
    QVERIFY(PersonStore::isOwnContact("ACC", "p1"));
    QCOMPARE(PersonStore::person("ACC", "friend").id(), QString("friend"));
    QVERIFY(PersonStore::isOwnContact("other", "p2"));
    QCOMPARE(PersonStore::person("other", "friend").id(), QString("friend"));
    QCOMPARE(updated.count(), 0);
}

void tst_PersonStore::requestOutlivingStoreIsReleased()
{
    QSignalSpy requests(SocialProviderManager::instance(),
                        &SocialProviderManager::requestPerformed);
    PersonStore::instance();
    providerData()->addAccount(account("acc", "svc", "p1"));
    QCOMPARE(requests.count(), 1);
    QPointer<SocialDataRequest> request = requests.at(0).at(0).value<SocialDataRequest *>();
    QVERIFY(request);

    delete PersonStore::instance();

    QTRY_VERIFY(request.isNull());
}

QTEST_GUILESS_MAIN(tst_PersonStore)

#include "tst_personstore.moc"
