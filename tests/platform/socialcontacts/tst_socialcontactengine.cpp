#include "providerfixtures.h"

#include <socialcontactfields.h>

#include <QPointer>
#include <QScopedPointer>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QtContacts/QContactAvatar>
#include <QtContacts/QContactDetailFilter>
#include <QtContacts/QContactDisplayLabel>
#include <QtContacts/QContactFetchByIdRequest>
#include <QtContacts/QContactFetchRequest>
#include <QtContacts/QContactIdFetchRequest>
#include <QtContacts/QContactManager>
#include <QtContacts/QContactName>
#include <QtContacts/QContactOnlineAccount>
#include <QtContacts/QContactSortOrder>

using namespace ProviderFixtures;
using namespace QtContacts;

Q_DECLARE_METATYPE(QContactFilter::MatchFlags)

namespace {

const QString s_backend = QStringLiteral("social");

QVariantMap names(const QString &firstName, const QString &lastName,
                  const QString &screenName = QString())
{
    QVariantMap properties;
    properties.insert(SocialNetworkPerson::FirstName, firstName);
    properties.insert(SocialNetworkPerson::LastName, lastName);
    if (!screenName.isNull())
        properties.insert(SocialNetworkPerson::ScreenName, screenName);
    return properties;
}

QContactDetailFilter
personIdFilter(const QString &personId,
               QContactFilter::MatchFlags flags = QContactFilter::MatchExactly |
                                                  QContactFilter::MatchCaseSensitive)
{
    QContactDetailFilter filter;
    filter.setDetailType(QContactOnlineAccount::Type, SocialContactFields::FieldSocialProviderId);
    filter.setValue(personId);
    filter.setMatchFlags(flags);
    return filter;
}

QString personIdOf(const QContact &contact)
{
    return contact.detail<QContactOnlineAccount>()
        .value(SocialContactFields::FieldSocialProviderId)
        .toString();
}

QStringList personIdsOf(const QList<QContact> &contacts)
{
    QStringList ids;
    for (const QContact &contact : contacts)
        ids.append(personIdOf(contact));
    return ids;
}

// Records what the manager announces. QSignalSpy will not do: the detail
// types of contactsChanged are no meta-type, and a spy dying while still
// connected lets ~QObject() run the manager's disconnectNotify() under a
// signal lock that it takes again itself, which now and then deadlocks.
class ManagerSignals : public QObject
{
public:
    explicit ManagerSignals(QContactManager *manager) : m_manager(manager)
    {
        connect(manager, &QContactManager::contactsAdded, this, &ManagerSignals::onAdded);
        connect(manager, &QContactManager::contactsChanged, this, &ManagerSignals::onChanged);
        connect(manager, &QContactManager::contactsRemoved, this, &ManagerSignals::onRemoved);
    }
    ~ManagerSignals() override
    {
        if (!m_manager)
            return;
        disconnect(m_manager, &QContactManager::contactsAdded, this, &ManagerSignals::onAdded);
        disconnect(m_manager, &QContactManager::contactsChanged, this, &ManagerSignals::onChanged);
        disconnect(m_manager, &QContactManager::contactsRemoved, this, &ManagerSignals::onRemoved);
    }

    QList<QList<QContactId>> added;
    QList<QList<QContactId>> changed;
    QList<QList<QContactDetail::DetailType>> changedTypes;
    QList<QList<QContactId>> removed;

private:
    void onAdded(const QList<QContactId> &ids) { added.append(ids); }
    void onChanged(const QList<QContactId> &ids, const QList<QContactDetail::DetailType> &types)
    {
        changed.append(ids);
        changedTypes.append(types);
    }
    void onRemoved(const QList<QContactId> &ids) { removed.append(ids); }

    QPointer<QContactManager> m_manager;
};

} // namespace

class tst_SocialContactEngine : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void backendIsAvailable();
    void personBecomesContact();
    void labelFallsBackToScreenName();
    void filterOnPersonIdHonoursMatchFlags_data();
    void filterOnPersonIdHonoursMatchFlags();
    void fetchFinishesOnLaterTurn();
    void idFetchIsSorted();
    void fetchByIdReportsUnknownIds();
    void canceledFetchNeverAnswers();
    void waitingAnswersAtOnce();
    void managerGoingAwayCancelsFetch();
    void idsAreStablePerPersonKey();
    void providerChangesAreAnnounced();
    void irrelevantChangeIsNotAnnounced();
    void removedAccountRemovesItsContacts();
    void backendIsReadOnly();

private:
    QScopedPointer<QContactManager> m_manager;
};

void tst_SocialContactEngine::init()
{
    providerData()->reset();
    // Only Facebook is a service record with a name; the other account's
    // service is known by its id alone.
    providerData()->addService(service(QStringLiteral("facebook"), QString()));
    providerData()->addAccount(
        account(QStringLiteral("a1"), QStringLiteral("facebook"), QStringLiteral("me1")));
    providerData()->addAccount(
        account(QStringLiteral("a2"), QStringLiteral("twittergw"), QStringLiteral("me2")));
    providerData()->setInitialized(true);
    m_manager.reset(new QContactManager(s_backend));
}

void tst_SocialContactEngine::cleanup()
{
    m_manager.reset();
}

void tst_SocialContactEngine::backendIsAvailable()
{
    QVERIFY(QContactManager::availableManagers().contains(s_backend));
    QCOMPARE(m_manager->managerName(), s_backend);
    QCOMPARE(m_manager->error(), QContactManager::NoError);
}

void tst_SocialContactEngine::personBecomesContact()
{
    QVariantMap properties =
        names(QStringLiteral("Ann"), QStringLiteral("Smith"), QStringLiteral("annie"));
    properties.insert(SocialNetworkPerson::Picture, QStringLiteral("/pictures/ann.png"));
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"), properties),
                                   person(QStringLiteral("a2"), QStringLiteral("p2"),
                                          names(QStringLiteral("Bob"), QString()))});

    const QList<QContact> contacts = m_manager->contacts();
    QCOMPARE(contacts.size(), 2);

    const QContact ann = contacts.at(0);
    QCOMPARE(ann.detail<QContactDisplayLabel>().label(), QStringLiteral("Ann Smith"));
    QCOMPARE(ann.detail<QContactName>().firstName(), QStringLiteral("Ann"));
    QCOMPARE(ann.detail<QContactName>().lastName(), QStringLiteral("Smith"));
    const QContactOnlineAccount online = ann.detail<QContactOnlineAccount>();
    QCOMPARE(online.serviceProvider(), QStringLiteral("facebook-provider"));
    QCOMPARE(online.value(SocialContactFields::FieldSocialProviderId).toString(),
             QStringLiteral("p1"));
    QCOMPARE(ann.details<QContactAvatar>().size(), 1);
    QCOMPARE(ann.detail<QContactAvatar>().imageUrl(),
             QUrl::fromLocalFile(QStringLiteral("/pictures/ann.png")));

    const QContact bob = contacts.at(1);
    QCOMPARE(bob.detail<QContactDisplayLabel>().label(), QStringLiteral("Bob"));
    QCOMPARE(bob.detail<QContactOnlineAccount>().serviceProvider(), QStringLiteral("twittergw"));
    QVERIFY(bob.details<QContactAvatar>().isEmpty());
}

void tst_SocialContactEngine::labelFallsBackToScreenName()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"),
                                          names(QString(), QString(), QStringLiteral("annie")))});

    const QList<QContact> contacts = m_manager->contacts();
    QCOMPARE(contacts.size(), 1);
    QCOMPARE(contacts.at(0).detail<QContactDisplayLabel>().label(), QStringLiteral("annie"));
    QVERIFY(contacts.at(0).details<QContactName>().isEmpty());
}

void tst_SocialContactEngine::filterOnPersonIdHonoursMatchFlags_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QContactFilter::MatchFlags>("flags");
    QTest::addColumn<QStringList>("expected");

    const QContactFilter::MatchFlags exact = QContactFilter::MatchExactly;
    QTest::newRow("exact, case-sensitive")
        << "p1" << (exact | QContactFilter::MatchCaseSensitive) << QStringList{"p1"};
    QTest::newRow("exact, any case") << "p1" << exact << QStringList{"p1", "P1"};
    QTest::newRow("starts with") << "p1"
                                 << QContactFilter::MatchFlags(QContactFilter::MatchStartsWith)
                                 << QStringList{"p1", "p10", "P1"};
    QTest::newRow("unknown id") << "p2" << (exact | QContactFilter::MatchCaseSensitive)
                                << QStringList();
}

void tst_SocialContactEngine::filterOnPersonIdHonoursMatchFlags()
{
    QFETCH(QString, value);
    QFETCH(QContactFilter::MatchFlags, flags);
    QFETCH(QStringList, expected);

    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1")),
                                   person(QStringLiteral("a1"), QStringLiteral("p10")),
                                   person(QStringLiteral("a1"), QStringLiteral("P1"))});

    QContactFetchRequest request;
    request.setManager(m_manager.data());
    request.setFilter(personIdFilter(value, flags));
    QVERIFY(request.start());
    QVERIFY(request.waitForFinished());
    QCOMPARE(personIdsOf(request.contacts()), expected);
    QCOMPARE(personIdsOf(m_manager->contacts(personIdFilter(value, flags))), expected);
}

void tst_SocialContactEngine::fetchFinishesOnLaterTurn()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"))});

    QContactFetchRequest request;
    request.setManager(m_manager.data());
    request.setFilter(personIdFilter(QStringLiteral("p1")));
    QSignalSpy results(&request, &QContactFetchRequest::resultsAvailable);
    QVERIFY(request.start());
    QVERIFY(request.isActive());
    QCOMPARE(results.count(), 0);

    QVERIFY(results.wait());
    QCOMPARE(results.count(), 1);
    QVERIFY(request.isFinished());
    QCOMPARE(request.error(), QContactManager::NoError);
    QCOMPARE(personIdsOf(request.contacts()), QStringList{"p1"});
}

void tst_SocialContactEngine::idFetchIsSorted()
{
    providerData()->updatePersons(
        {person(QStringLiteral("a1"), QStringLiteral("p1"), names("Ann", "Young")),
         person(QStringLiteral("a1"), QStringLiteral("p2"), names("Bob", "Adams")),
         person(QStringLiteral("a2"), QStringLiteral("p3"), names("Cid", "Miller"))});
    const QList<QContact> all = m_manager->contacts();
    QCOMPARE(all.size(), 3);

    QContactSortOrder byLastName;
    byLastName.setDetailType(QContactName::Type, QContactName::FieldLastName);

    QContactIdFetchRequest ascending;
    ascending.setManager(m_manager.data());
    ascending.setSorting({byLastName});
    QVERIFY(ascending.start());
    QTRY_VERIFY(ascending.isFinished());
    QCOMPARE(ascending.ids(), (QList<QContactId>{all.at(1).id(), all.at(2).id(), all.at(0).id()}));

    byLastName.setDirection(Qt::DescendingOrder);
    QCOMPARE(m_manager->contactIds(QContactFilter(), {byLastName}),
             (QList<QContactId>{all.at(0).id(), all.at(2).id(), all.at(1).id()}));
}

void tst_SocialContactEngine::fetchByIdReportsUnknownIds()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"))});
    const QContactId known = m_manager->contactIds().value(0);
    QVERIFY(!known.isNull());
    const QContactId unknown(known.managerUri(), QByteArrayLiteral("a1/nobody"));
    const QContactId malformed(known.managerUri(), QByteArrayLiteral("garbage"));

    QContactFetchByIdRequest request;
    request.setManager(m_manager.data());
    request.setIds({unknown, known, malformed});
    QVERIFY(request.start());
    QTRY_VERIFY(request.isFinished());

    QCOMPARE(request.contacts().size(), 3);
    QCOMPARE(request.contacts().at(1).id(), known);
    QCOMPARE(personIdOf(request.contacts().at(1)), QStringLiteral("p1"));
    QVERIFY(request.contacts().at(0).isEmpty());
    QCOMPARE(request.error(), QContactManager::DoesNotExistError);
    QCOMPARE(request.errorMap().keys(), (QList<int>{0, 2}));
    QCOMPARE(request.errorMap().value(0), QContactManager::DoesNotExistError);
}

void tst_SocialContactEngine::canceledFetchNeverAnswers()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"))});

    QContactFetchRequest canceled;
    canceled.setManager(m_manager.data());
    QSignalSpy canceledResults(&canceled, &QContactFetchRequest::resultsAvailable);
    QContactFetchRequest probe;
    probe.setManager(m_manager.data());

    QVERIFY(canceled.start());
    QVERIFY(probe.start());
    QVERIFY(canceled.cancel());
    QVERIFY(canceled.isCanceled());

    // Answers come in the order the requests were started.
    QTRY_VERIFY(probe.isFinished());
    QCOMPARE(canceledResults.count(), 0);
    QVERIFY(canceled.isCanceled());
    QVERIFY(canceled.contacts().isEmpty());
}

void tst_SocialContactEngine::waitingAnswersAtOnce()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"))});

    QContactFetchRequest request;
    request.setManager(m_manager.data());
    QSignalSpy results(&request, &QContactFetchRequest::resultsAvailable);
    QVERIFY(request.start());
    QVERIFY(request.waitForFinished());
    QCOMPARE(results.count(), 1);
    QCOMPARE(request.contacts().size(), 1);

    QContactFetchRequest probe;
    probe.setManager(m_manager.data());
    QVERIFY(probe.start());
    QTRY_VERIFY(probe.isFinished());
    QCOMPARE(results.count(), 1);
}

void tst_SocialContactEngine::managerGoingAwayCancelsFetch()
{
    QContactFetchRequest request;
    request.setManager(m_manager.data());
    QSignalSpy results(&request, &QContactFetchRequest::resultsAvailable);
    QVERIFY(request.start());

    m_manager.reset();
    QVERIFY(request.isCanceled());

    QContactManager other(s_backend);
    QContactFetchRequest probe;
    probe.setManager(&other);
    QVERIFY(probe.start());
    QTRY_VERIFY(probe.isFinished());
    QCOMPARE(results.count(), 0);
}

void tst_SocialContactEngine::idsAreStablePerPersonKey()
{
    // Keys that would run together if account and person id were just joined.
    providerData()->addAccount(
        account(QStringLiteral("a1/x"), QStringLiteral("facebook"), QStringLiteral("me3")));
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1")),
                                   person(QStringLiteral("a2"), QStringLiteral("p1")),
                                   person(QStringLiteral("a1/x"), QStringLiteral("p1")),
                                   person(QStringLiteral("a1"), QStringLiteral("x/p1"))});
    const QList<QContactId> ids = m_manager->contactIds();
    QCOMPARE(ids.size(), 4);
    QCOMPARE(QSet<QContactId>(ids.begin(), ids.end()).size(), 4);

    QContactManager other(s_backend);
    QCOMPARE(other.contactIds(), ids);

    providerData()->updatePersons(
        {person(QStringLiteral("a1"), QStringLiteral("p1"), names("Ann", "Smith"))});
    QCOMPARE(m_manager->contactIds(), ids);
    const QContact ann = m_manager->contact(ids.at(0));
    QCOMPARE(m_manager->error(), QContactManager::NoError);
    QCOMPARE(ann.detail<QContactDisplayLabel>().label(), QStringLiteral("Ann Smith"));
    QCOMPARE(m_manager->contact(ids.at(1)).detail<QContactOnlineAccount>().serviceProvider(),
             QStringLiteral("twittergw"));
    const QContactOnlineAccount slashed =
        m_manager->contact(ids.at(2)).detail<QContactOnlineAccount>();
    QCOMPARE(slashed.serviceProvider(), QStringLiteral("facebook-provider"));
    QCOMPARE(slashed.value(SocialContactFields::FieldSocialProviderId).toString(),
             QStringLiteral("p1"));
    QCOMPARE(personIdOf(m_manager->contact(ids.at(3))), QStringLiteral("x/p1"));
}

void tst_SocialContactEngine::providerChangesAreAnnounced()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"))});
    const QContactId p1 = m_manager->contactIds().value(0);
    const ManagerSignals announced(m_manager.data());

    providerData()->updatePersons(
        {person(QStringLiteral("a1"), QStringLiteral("p1"), names("Ann", "Smith")),
         person(QStringLiteral("a2"), QStringLiteral("p2"), names("Bob", "Jones"))});

    QCOMPARE(announced.added.size(), 1);
    QCOMPARE(announced.added.at(0).size(), 1);
    QCOMPARE(personIdOf(m_manager->contact(announced.added.at(0).at(0))), QStringLiteral("p2"));

    QCOMPARE(announced.changed, QList<QList<QContactId>>{{p1}});
    const QList<QContactDetail::DetailType> types = announced.changedTypes.at(0);
    QVERIFY(types.contains(QContactName::Type));
    QVERIFY(types.contains(QContactDisplayLabel::Type));
    QVERIFY(!types.contains(QContactOnlineAccount::Type));
    QVERIFY(announced.removed.isEmpty());
}

void tst_SocialContactEngine::irrelevantChangeIsNotAnnounced()
{
    providerData()->updatePersons(
        {person(QStringLiteral("a1"), QStringLiteral("p1"), names("Ann", "Smith"))});
    const ManagerSignals announced(m_manager.data());

    QVariantMap description;
    description.insert(SocialGenericData::Description, QStringLiteral("likes tea"));
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"), description)},
                                  {SocialGenericData::Description});
    QVERIFY(announced.changed.isEmpty());

    QVariantMap picture;
    picture.insert(SocialNetworkPerson::Picture, QStringLiteral("/pictures/ann.png"));
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"), picture)},
                                  {SocialNetworkPerson::Picture});
    QCOMPARE(announced.changed.size(), 1);
    QCOMPARE(announced.changedTypes.at(0), QList<QContactDetail::DetailType>{QContactAvatar::Type});
    QCOMPARE(m_manager->contacts().value(0).detail<QContactDisplayLabel>().label(),
             QStringLiteral("Ann Smith"));
    QVERIFY(announced.added.isEmpty());
}

void tst_SocialContactEngine::removedAccountRemovesItsContacts()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1")),
                                   person(QStringLiteral("a2"), QStringLiteral("p2")),
                                   person(QStringLiteral("a1"), QStringLiteral("p3"))});
    const QList<QContactId> ids = m_manager->contactIds();
    QCOMPARE(ids.size(), 3);
    const ManagerSignals announced(m_manager.data());

    providerData()->removeAccount(QStringLiteral("a1"));

    QCOMPARE(announced.removed.size(), 1);
    QList<QContactId> removedIds = announced.removed.at(0);
    std::sort(removedIds.begin(), removedIds.end());
    QList<QContactId> expected{ids.at(0), ids.at(2)};
    std::sort(expected.begin(), expected.end());
    QCOMPARE(removedIds, expected);
    QVERIFY(announced.added.isEmpty());
    QVERIFY(announced.changed.isEmpty());
    QCOMPARE(m_manager->contactIds(), QList<QContactId>{ids.at(1)});
    m_manager->contact(ids.at(0));
    QCOMPARE(m_manager->error(), QContactManager::DoesNotExistError);
}

void tst_SocialContactEngine::backendIsReadOnly()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"))});
    QContact contact = m_manager->contacts().value(0);

    QVERIFY(!m_manager->saveContact(&contact));
    QCOMPARE(m_manager->error(), QContactManager::NotSupportedError);
    QVERIFY(!m_manager->removeContact(contact.id()));
    QCOMPARE(m_manager->error(), QContactManager::NotSupportedError);
    QCOMPARE(m_manager->contacts().size(), 1);
}

QTEST_GUILESS_MAIN(tst_SocialContactEngine)
#include "tst_socialcontactengine.moc"
