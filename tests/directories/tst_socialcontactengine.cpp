#include "providerfixtures.h"

#include <socialcontactfields.h>

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

QList<QContactId> idsFromSpy(const QSignalSpy &spy, int index)
{
    return spy.at(index).at(0).value<QList<QContactId>>();
}

// Records contactsChanged, which QSignalSpy cannot: its detail types are no
// meta-type. Being the connection's context, it ends the connection when it
// goes; disconnecting by hand would deadlock in the manager's
// disconnectNotify().
class ChangeLog : public QObject
{
public:
    explicit ChangeLog(QContactManager *manager)
    {
        connect(
            manager, &QContactManager::contactsChanged, this,
            [this](const QList<QContactId> &ids, const QList<QContactDetail::DetailType> &types) {
                m_ids.append(ids);
                m_types.append(types);
            });
    }

    int count() const { return m_ids.size(); }
    QList<QContactId> ids(int index) const { return m_ids.at(index); }
    QList<QContactDetail::DetailType> types(int index) const { return m_types.at(index); }

private:
    QList<QList<QContactId>> m_ids;
    QList<QList<QContactDetail::DetailType>> m_types;
};

} // namespace

class tst_SocialContactEngine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
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

void tst_SocialContactEngine::initTestCase()
{
    // The manager's signals name the list type without its namespace.
    qRegisterMetaType<QList<QContactId>>("QList<QContactId>");
}

void tst_SocialContactEngine::init()
{
    providerData()->reset();
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
    QCOMPARE(online.serviceProvider(), QStringLiteral("a1"));
    QCOMPARE(online.value(SocialContactFields::FieldSocialProviderId).toString(),
             QStringLiteral("p1"));
    QCOMPARE(ann.details<QContactAvatar>().size(), 1);
    QCOMPARE(ann.detail<QContactAvatar>().imageUrl(),
             QUrl::fromLocalFile(QStringLiteral("/pictures/ann.png")));

    const QContact bob = contacts.at(1);
    QCOMPARE(bob.detail<QContactDisplayLabel>().label(), QStringLiteral("Bob"));
    QCOMPARE(bob.detail<QContactOnlineAccount>().serviceProvider(), QStringLiteral("a2"));
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
             QStringLiteral("a2"));
    const QContactOnlineAccount slashed =
        m_manager->contact(ids.at(2)).detail<QContactOnlineAccount>();
    QCOMPARE(slashed.serviceProvider(), QStringLiteral("a1/x"));
    QCOMPARE(slashed.value(SocialContactFields::FieldSocialProviderId).toString(),
             QStringLiteral("p1"));
    QCOMPARE(personIdOf(m_manager->contact(ids.at(3))), QStringLiteral("x/p1"));
}

void tst_SocialContactEngine::providerChangesAreAnnounced()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"))});
    const QContactId p1 = m_manager->contactIds().value(0);

    QSignalSpy added(m_manager.data(), &QContactManager::contactsAdded);
    const ChangeLog changed(m_manager.data());
    QSignalSpy removed(m_manager.data(), &QContactManager::contactsRemoved);

    providerData()->updatePersons(
        {person(QStringLiteral("a1"), QStringLiteral("p1"), names("Ann", "Smith")),
         person(QStringLiteral("a2"), QStringLiteral("p2"), names("Bob", "Jones"))});

    QCOMPARE(added.count(), 1);
    const QList<QContactId> addedIds = idsFromSpy(added, 0);
    QCOMPARE(addedIds.size(), 1);
    QCOMPARE(personIdOf(m_manager->contact(addedIds.at(0))), QStringLiteral("p2"));

    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.ids(0), QList<QContactId>{p1});
    const QList<QContactDetail::DetailType> types = changed.types(0);
    QVERIFY(types.contains(QContactName::Type));
    QVERIFY(types.contains(QContactDisplayLabel::Type));
    QVERIFY(!types.contains(QContactOnlineAccount::Type));
    QCOMPARE(removed.count(), 0);
}

void tst_SocialContactEngine::irrelevantChangeIsNotAnnounced()
{
    providerData()->updatePersons(
        {person(QStringLiteral("a1"), QStringLiteral("p1"), names("Ann", "Smith"))});
    const ChangeLog changed(m_manager.data());

    QVariantMap description;
    description.insert(SocialGenericData::Description, QStringLiteral("likes tea"));
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"), description)},
                                  {SocialGenericData::Description});
    QCOMPARE(changed.count(), 0);

    QVariantMap picture;
    picture.insert(SocialNetworkPerson::Picture, QStringLiteral("/pictures/ann.png"));
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"), picture)},
                                  {SocialNetworkPerson::Picture});
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.types(0), QList<QContactDetail::DetailType>{QContactAvatar::Type});
    QCOMPARE(m_manager->contacts().value(0).detail<QContactDisplayLabel>().label(),
             QStringLiteral("Ann Smith"));
}

void tst_SocialContactEngine::removedAccountRemovesItsContacts()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1")),
                                   person(QStringLiteral("a2"), QStringLiteral("p2")),
                                   person(QStringLiteral("a1"), QStringLiteral("p3"))});
    const QList<QContactId> ids = m_manager->contactIds();
    QCOMPARE(ids.size(), 3);
    QSignalSpy removed(m_manager.data(), &QContactManager::contactsRemoved);
    QSignalSpy added(m_manager.data(), &QContactManager::contactsAdded);

    providerData()->removeAccount(QStringLiteral("a1"));

    QCOMPARE(removed.count(), 1);
    QList<QContactId> removedIds = idsFromSpy(removed, 0);
    std::sort(removedIds.begin(), removedIds.end());
    QList<QContactId> expected{ids.at(0), ids.at(2)};
    std::sort(expected.begin(), expected.end());
    QCOMPARE(removedIds, expected);
    QCOMPARE(added.count(), 0);
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
