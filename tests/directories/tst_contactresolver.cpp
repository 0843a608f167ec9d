#include "logcatcher.h"
#include "providerfixtures.h"

#include <contactresolver.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QtContacts/QContactDetailFilter>
#include <QtContacts/QContactDisplayLabel>
#include <QtContacts/QContactFetchRequest>
#include <QtContacts/QContactManager>
#include <QtContacts/QContactOnlineAccount>
#include <functional>
#include <utility>

using namespace ProviderFixtures;
using namespace QtContacts;

namespace {

const QString s_backend = QStringLiteral("social");
const QString s_resolve = QStringLiteral("void ContactResolver::resolveContact(const QString&)");
const QString s_startLookup =
    QStringLiteral("void ContactResolver::resolveContact(const QString&, qint32)");
const QString s_onContactAvailable = QStringLiteral("void ContactResolver::onContactAvailable()");
const QString s_onContactsChanged =
    QStringLiteral("void ContactResolver::onContactsChanged(const QList<QtContacts::QContactId>&)");
const QString s_invalidMatch = s_onContactAvailable + QStringLiteral(" Invalid contact match");

QVariantMap names(const QString &firstName, const QString &lastName)
{
    QVariantMap properties;
    properties.insert(SocialNetworkPerson::FirstName, firstName);
    properties.insert(SocialNetworkPerson::LastName, lastName);
    return properties;
}

// Ann Smith, person "p1" of account "a1": the contact most tests look up.
void addAnnSmith()
{
    providerData()->updatePersons(
        {person(QStringLiteral("a1"), QStringLiteral("p1"), names("Ann", "Smith"))});
}

QString retryWarning(const QString &personId, int attempt)
{
    return s_onContactAvailable +
           QStringLiteral(" Try to resolve contact: \"%1\" again, attempt # %2")
               .arg(personId)
               .arg(attempt);
}

QString giveUpWarning(const QString &personId)
{
    return s_onContactAvailable +
           QStringLiteral(" Maximum number of retries for contact: \"%1\" reached - no can do")
               .arg(personId);
}

QContact contactFromSpy(const QSignalSpy &spy, int index)
{
    return spy.at(index).at(1).value<QContact>();
}

QString labelOf(const QContact &contact)
{
    return contact.detail<QContactDisplayLabel>().label();
}

// Answers from the backend come in the order their requests were started, so
// once a later request has finished every earlier one has been answered.
void waitForEarlierAnswers()
{
    QContactManager manager(s_backend);
    QContactFetchRequest probe;
    probe.setManager(&manager);
    QVERIFY(probe.start());
    QTRY_VERIFY(probe.isFinished());
}

// Runs an action, once, right after the given message is written.
class OnMessage
{
public:
    OnMessage(const QString &message, std::function<void()> action)
        : m_message(message), m_action(std::move(action)),
          m_previous(qInstallMessageHandler(&OnMessage::handle))
    {
        s_active = this;
    }
    ~OnMessage()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }

private:
    Q_DISABLE_COPY(OnMessage)

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (s_active->m_previous)
            s_active->m_previous(type, context, message);
        if (s_active->m_action && message == s_active->m_message)
            std::exchange(s_active->m_action, nullptr)();
    }

    static inline OnMessage *s_active = nullptr;
    QString m_message;
    std::function<void()> m_action;
    QtMessageHandler m_previous;
};

} // namespace

class tst_ContactResolver : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void resolvesContact();
    void concurrentCallsShareOneLookup();
    void missingContactIsRetriedThenReported();
    void contactAppearingBetweenAttemptsIsDelivered();
    void personIdsAreComparedExactly();
    void firstOfSeveralMatchesIsDelivered();
    void errorListenerMayAskAgain();
    void contactsChangedIsOnlyLogged();
    void destructionDropsPendingLookups();
    void instanceIsChildOfApplication();
};

void tst_ContactResolver::initTestCase()
{
    QVERIFY(QContactManager::availableManagers().contains(s_backend));
}

void tst_ContactResolver::init()
{
    providerData()->reset();
    providerData()->addAccount(
        account(QStringLiteral("a1"), QStringLiteral("facebook"), QStringLiteral("me1")));
    providerData()->addAccount(
        account(QStringLiteral("a2"), QStringLiteral("twittergw"), QStringLiteral("me2")));
    providerData()->setInitialized(true);
}

void tst_ContactResolver::resolvesContact()
{
    addAnnSmith();
    ContactResolver resolver;
    QSignalSpy ready(&resolver, &ContactResolver::contactReady);
    QSignalSpy failed(&resolver, &ContactResolver::error);

    resolver.resolveContact(QStringLiteral("p1"));
    QCOMPARE(ready.count(), 0);

    QVERIFY(ready.wait());
    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.at(0).at(0).toString(), QStringLiteral("p1"));
    const QContact contact = contactFromSpy(ready, 0);
    QCOMPARE(labelOf(contact), QStringLiteral("Ann Smith"));
    QCOMPARE(contact.detail<QContactOnlineAccount>().serviceProvider(), QStringLiteral("facebook"));
    QCOMPARE(failed.count(), 0);
}

void tst_ContactResolver::concurrentCallsShareOneLookup()
{
    addAnnSmith();
    ContactResolver resolver;
    QSignalSpy ready(&resolver, &ContactResolver::contactReady);
    const LogCatcher log;

    resolver.resolveContact(QStringLiteral("p1"));
    resolver.resolveContact(QStringLiteral("p1"));
    QVERIFY(ready.wait());
    waitForEarlierAnswers();

    QCOMPARE(ready.count(), 1);
    QCOMPARE(log.startingWith(s_resolve).size(), 2);
    QCOMPARE(log.startingWith(s_startLookup).size(), 1);

    // Once answered, the id is looked up afresh.
    resolver.resolveContact(QStringLiteral("p1"));
    QVERIFY(ready.wait());
    QCOMPARE(ready.count(), 2);
    QCOMPARE(log.startingWith(s_startLookup).size(), 2);
}

void tst_ContactResolver::missingContactIsRetriedThenReported()
{
    ContactResolver resolver;
    QSignalSpy ready(&resolver, &ContactResolver::contactReady);
    QSignalSpy failed(&resolver, &ContactResolver::error);
    const LogCatcher log;

    // Asks again while the second attempt runs: queued behind the retry's
    // start and ahead of its answer.
    const OnMessage askAgain(retryWarning("ghost", 1), [&resolver] {
        QMetaObject::invokeMethod(
            &resolver, [&resolver] { resolver.resolveContact(QStringLiteral("ghost")); },
            Qt::QueuedConnection);
    });

    resolver.resolveContact(QStringLiteral("ghost"));
    QVERIFY(failed.wait());
    waitForEarlierAnswers();

    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("ghost"));
    QCOMPARE(ready.count(), 0);
    QCOMPARE(log.startingWith(s_resolve).size(), 2);
    QCOMPARE(log.startingWith(s_startLookup).size(), 3);
    QCOMPARE(log.count(s_invalidMatch), 3);
    const QStringList warnings = log.startingWith(s_onContactAvailable + QLatin1Char(' '));
    QCOMPARE(warnings,
             (QStringList{s_invalidMatch, retryWarning("ghost", 1), s_invalidMatch,
                          retryWarning("ghost", 2), s_invalidMatch, giveUpWarning("ghost")}));
}

void tst_ContactResolver::contactAppearingBetweenAttemptsIsDelivered()
{
    ContactResolver resolver;
    QSignalSpy ready(&resolver, &ContactResolver::contactReady);
    QSignalSpy failed(&resolver, &ContactResolver::error);
    const LogCatcher log;
    const OnMessage addPerson(s_invalidMatch, [] {
        providerData()->updatePersons(
            {person(QStringLiteral("a1"), QStringLiteral("late"), names("Lou", "Late"))});
    });

    resolver.resolveContact(QStringLiteral("late"));
    QVERIFY(ready.wait());
    waitForEarlierAnswers();

    QCOMPARE(ready.count(), 1);
    QCOMPARE(ready.at(0).at(0).toString(), QStringLiteral("late"));
    QCOMPARE(labelOf(contactFromSpy(ready, 0)), QStringLiteral("Lou Late"));
    QCOMPARE(failed.count(), 0);
    QCOMPARE(log.count(s_invalidMatch), 1);
    QCOMPARE(log.count(retryWarning("late", 1)), 1);
    QCOMPARE(log.count(QStringLiteral("attempt # 2")), 0);
}

void tst_ContactResolver::personIdsAreComparedExactly()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("ABC")),
                                   person(QStringLiteral("a1"), QStringLiteral("abcd"))});
    ContactResolver resolver;
    QSignalSpy ready(&resolver, &ContactResolver::contactReady);
    QSignalSpy failed(&resolver, &ContactResolver::error);

    resolver.resolveContact(QStringLiteral("abc"));
    QVERIFY(failed.wait());
    QCOMPARE(ready.count(), 0);
}

void tst_ContactResolver::firstOfSeveralMatchesIsDelivered()
{
    providerData()->updatePersons(
        {person(QStringLiteral("a2"), QStringLiteral("p1"), names("Bob", "Second")),
         person(QStringLiteral("a1"), QStringLiteral("p1"), names("Ann", "First"))});
    ContactResolver resolver;
    QSignalSpy ready(&resolver, &ContactResolver::contactReady);

    resolver.resolveContact(QStringLiteral("p1"));
    QVERIFY(ready.wait());
    waitForEarlierAnswers();

    QCOMPARE(ready.count(), 1);
    const QContact contact = contactFromSpy(ready, 0);
    QCOMPARE(labelOf(contact), QStringLiteral("Bob Second"));
    QCOMPARE(contact.detail<QContactOnlineAccount>().serviceProvider(),
             QStringLiteral("twittergw"));
}

void tst_ContactResolver::errorListenerMayAskAgain()
{
    ContactResolver resolver;
    QSignalSpy failed(&resolver, &ContactResolver::error);
    const LogCatcher log;
    bool askedAgain = false;
    connect(&resolver, &ContactResolver::error, this, [&resolver, &askedAgain](const QString &id) {
        if (!askedAgain) {
            askedAgain = true;
            resolver.resolveContact(id);
        }
    });

    resolver.resolveContact(QStringLiteral("ghost"));
    QVERIFY(failed.wait());
    // The lookup asked for from the listener runs its own three attempts.
    QCOMPARE(log.startingWith(s_startLookup).size(), 4);
    QTRY_COMPARE(failed.count(), 2);
    QCOMPARE(failed.at(1).at(0).toString(), QStringLiteral("ghost"));
    QCOMPARE(log.startingWith(s_startLookup).size(), 6);
}

void tst_ContactResolver::contactsChangedIsOnlyLogged()
{
    addAnnSmith();
    ContactResolver resolver;
    QSignalSpy ready(&resolver, &ContactResolver::contactReady);
    QSignalSpy failed(&resolver, &ContactResolver::error);
    resolver.resolveContact(QStringLiteral("p1"));
    QVERIFY(ready.wait());
    const QContactId id = contactFromSpy(ready, 0).id();

    const LogCatcher log;
    providerData()->updatePersons(
        {person(QStringLiteral("a1"), QStringLiteral("p1"), names("Ann", "Jones"))});
    waitForEarlierAnswers();

    QString expected;
    QDebug(&expected) << s_onContactsChanged.toUtf8().constData() << QList<QContactId>{id};
    QCOMPARE(log.startingWith(s_onContactsChanged), QStringList{expected.trimmed()});
    QCOMPARE(log.startingWith(s_startLookup).size(), 0);
    QCOMPARE(ready.count(), 1);
    QCOMPARE(failed.count(), 0);
}

void tst_ContactResolver::destructionDropsPendingLookups()
{
    providerData()->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"))});
    const LogCatcher log;
    int delivered = 0;
    {
        ContactResolver resolver;
        connect(&resolver, &ContactResolver::contactReady, this, [&delivered] { ++delivered; });
        connect(&resolver, &ContactResolver::error, this, [&delivered] { ++delivered; });
        resolver.resolveContact(QStringLiteral("p1"));
        resolver.resolveContact(QStringLiteral("ghost"));
    }
    QCOMPARE(log.count(QStringLiteral("ContactResolver::~ContactResolver()")), 1);

    waitForEarlierAnswers();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(delivered, 0);
    QCOMPARE(log.count(s_onContactAvailable), 0);

    // The shared resolver may go with lookups running and come back afresh.
    QPointer<ContactResolver> shared = ContactResolver::instance();
    shared->resolveContact(QStringLiteral("p1"));
    delete shared.data();
    QVERIFY(ContactResolver::instance());
    QSignalSpy ready(ContactResolver::instance(), &ContactResolver::contactReady);
    ContactResolver::instance()->resolveContact(QStringLiteral("p1"));
    QVERIFY(ready.wait());
    QCOMPARE(ready.count(), 1);
    delete ContactResolver::instance();
}

void tst_ContactResolver::instanceIsChildOfApplication()
{
    QPointer<ContactResolver> shared = ContactResolver::instance();
    QVERIFY(shared);
    QCOMPARE(shared->parent(), QCoreApplication::instance());
    QCOMPARE(ContactResolver::instance(), shared.data());

    // A resolver of one's own leaves the shared one in place.
    delete new ContactResolver;
    QCOMPARE(ContactResolver::instance(), shared.data());

    delete shared.data();
    QVERIFY(!shared);
    QPointer<ContactResolver> fresh = ContactResolver::instance();
    QVERIFY(fresh);
    QCOMPARE(fresh->parent(), QCoreApplication::instance());
}

QTEST_GUILESS_MAIN(tst_ContactResolver)
#include "tst_contactresolver.moc"
