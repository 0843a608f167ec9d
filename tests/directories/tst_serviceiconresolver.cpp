#include "logcatcher.h"
#include "providerfixtures.h"

#include <serviceiconresolver.h>
#include <socialactivity.h>

#include <QSignalBlocker>
#include <QTest>

using namespace ProviderFixtures;

// The shared resolver lives for the whole run: every test uses ids of its own.
namespace {

const QByteArray s_onInitialized("void ServiceIconResolver::onInitialized() ");
const QByteArray
    s_onAccountsUpdated("void ServiceIconResolver::onAccountsUpdated(const QStringList&) ");
const QByteArray
    s_onAccountsRemoved("void ServiceIconResolver::onAccountsRemoved(const QStringList&) ");
const QByteArray s_iconForService("const QString& ServiceIconResolver::iconForService(const "
                                  "QString&) ");
const QByteArray s_resolveIcon("void ServiceIconResolver::resolveIcon(const SocialService&) ");

void expectDebug(const QByteArray &signature, const QByteArray &tail)
{
    QTest::ignoreMessage(QtDebugMsg, (signature + tail).constData());
}

SocialActivity activityOf(const QString &accountId)
{
    SocialActivity activity;
    activity.setProperty(SocialGenericData::Id, accountId + "-activity");
    activity.setProperty(SocialGenericData::ParentAccount, accountId);
    return activity;
}

// Puts records into the provider without announcing them.
void addQuietly(const SocialService &service, const SocialServiceAccount &account)
{
    const QSignalBlocker quiet(SocialProviderManager::instance());
    providerData()->addService(service);
    providerData()->addAccount(account);
}

} // namespace

class tst_ServiceIconResolver : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void sharedResolverHasNoParent();
    void startupFillsTables();
    void startupWaitsForInitialized();
    void serviceWithoutIconAtStartupHasNoEntry();
    void unknownServiceYieldsEmptyIcon();
    void unknownAccountIsMappedOnceAdded();
    void accountWithoutServiceChangesNothing();
    void changedIconOfKnownServiceIsIgnored();
    void removingLastAccountDropsIcon();
    void iconStaysWhileAnotherAccountUsesService();
};

void tst_ServiceIconResolver::initTestCase()
{
    providerData()->reset();
    providerData()->setInitialized(true);
}

void tst_ServiceIconResolver::sharedResolverHasNoParent()
{
    addQuietly(service("svc-shared", "icon-shared"), account("acc-shared", "svc-shared", "p"));

    ServiceIconResolver *resolver = ServiceIconResolver::instance();

    QCOMPARE(ServiceIconResolver::instance(), resolver);
    QVERIFY(!resolver->parent());
    // Start-up ran inside instance(): the icon is there at once.
    QCOMPARE(resolver->iconForAccount("acc-shared"), QString("icon-shared"));
}

void tst_ServiceIconResolver::startupFillsTables()
{
    providerData()->reset();
    providerData()->addService(service("svc-start", "icon-start"));
    providerData()->addAccount(account("acc-start", "svc-start", "p-start"));
    providerData()->setInitialized(true);

    expectDebug(s_onInitialized, "\"1 services, 1 accounts\"");
    expectDebug(s_onInitialized, "\"acc-start\" \"p-start\" \"acc-start-name\" \"svc-start\"");
    expectDebug(s_onInitialized, "\"svc-start\" \"svc-start-provider\" \"icon-start\"");
    ServiceIconResolver resolver;

    QCOMPARE(resolver.iconForActivity(activityOf("acc-start")), QString("icon-start"));
    QCOMPARE(resolver.iconForAccount("acc-start"), QString("icon-start"));
    QCOMPARE(resolver.iconForService("svc-start"), QString("icon-start"));
}

void tst_ServiceIconResolver::startupWaitsForInitialized()
{
    providerData()->reset();
    providerData()->addService(service("svc-wait", "icon-wait"));
    providerData()->addAccount(account("acc-wait", "svc-wait", "p-wait"));
    ServiceIconResolver resolver;

    // Lookups before start-up miss and leave empty entries behind.
    QVERIFY(resolver.iconForActivity(activityOf("acc-wait")).isEmpty());
    QVERIFY(resolver.iconForService("svc-wait").isEmpty());

    expectDebug(s_onInitialized, "\"1 services, 1 accounts\"");
    providerData()->setInitialized(true);

    // Start-up does not overwrite the entries the early lookups left; the
    // next update of an account of the service fetches the icon.
    QVERIFY(resolver.iconForActivity(activityOf("acc-wait")).isEmpty());
    providerData()->changeAccount(account("acc-wait", "svc-wait", "p-wait"));
    QCOMPARE(resolver.iconForActivity(activityOf("acc-wait")), QString("icon-wait"));
    QCOMPARE(resolver.iconForService("svc-wait"), QString("icon-wait"));
}

void tst_ServiceIconResolver::serviceWithoutIconAtStartupHasNoEntry()
{
    providerData()->reset();
    providerData()->addService(service("svc-bare", QString()));
    providerData()->addService(service("svc-blank", ""));
    providerData()->addAccount(account("acc-bare", "svc-bare", "p"));
    providerData()->setInitialized(true);
    ServiceIconResolver resolver;

    expectDebug(s_iconForService, "  not found");
    expectDebug(s_resolveIcon, "no icon for \"svc-bare\"");
    QVERIFY(resolver.iconForAccount("acc-bare").isEmpty());
    expectDebug(s_iconForService, "  not found");
    QVERIFY(resolver.iconForService("svc-blank").isEmpty());
}

void tst_ServiceIconResolver::unknownServiceYieldsEmptyIcon()
{
    ServiceIconResolver *resolver = ServiceIconResolver::instance();

    expectDebug(s_iconForService, "  not found");
    expectDebug(s_resolveIcon, "\"svc-nowhere\" \"\" \"\"");
    expectDebug(s_resolveIcon, "no icon for \"svc-nowhere\"");
    const QString &first = resolver->iconForService("svc-nowhere");
    QVERIFY(first.isEmpty());

    // The miss left an entry: the second lookup answers from it silently.
    LogCatcher log;
    QVERIFY(resolver->iconForService("svc-nowhere").isEmpty());
    QVERIFY(log.startingWith("const QString& ServiceIconResolver::").isEmpty());
    QVERIFY(log.startingWith("void ServiceIconResolver::resolveIcon").isEmpty());
}

void tst_ServiceIconResolver::unknownAccountIsMappedOnceAdded()
{
    ServiceIconResolver *resolver = ServiceIconResolver::instance();
    QVERIFY(resolver->iconForAccount("acc-late").isEmpty());
    QVERIFY(resolver->iconForService("svc-late").isEmpty());

    providerData()->addService(service("svc-late", "icon-late"));
    expectDebug(s_onAccountsUpdated, "(\"acc-late\")");
    expectDebug(s_onAccountsUpdated, "Updated data on SocialServiceAccount \"acc-late\"");
    expectDebug(s_onAccountsUpdated, "Updated data on SocialService \"svc-late-provider\" "
                                     "\"icon-late\" \"http://svc-late.example\"");
    providerData()->addAccount(account("acc-late", "svc-late", "p"));

    QCOMPARE(resolver->iconForAccount("acc-late"), QString("icon-late"));
    QCOMPARE(resolver->iconForActivity(activityOf("acc-late")), QString("icon-late"));
}

void tst_ServiceIconResolver::accountWithoutServiceChangesNothing()
{
    ServiceIconResolver *resolver = ServiceIconResolver::instance();
    providerData()->addService(service("svc-keep", "icon-keep"));
    providerData()->addAccount(account("acc-keep", "svc-keep", "p"));
    QCOMPARE(resolver->iconForAccount("acc-keep"), QString("icon-keep"));

    LogCatcher log;
    providerData()->addAccount(account("acc-noservice", QString(), "p"));
    providerData()->changeAccount(account("acc-keep", QString(), "p"));

    QCOMPARE(log.startingWith("void ServiceIconResolver::"),
             QStringList({s_onAccountsUpdated + "(\"acc-noservice\")",
                          s_onAccountsUpdated + "(\"acc-keep\")"}));
    QCOMPARE(resolver->iconForAccount("acc-keep"), QString("icon-keep"));
}

void tst_ServiceIconResolver::changedIconOfKnownServiceIsIgnored()
{
    ServiceIconResolver *resolver = ServiceIconResolver::instance();
    providerData()->addService(service("svc-old", "icon-old"));
    providerData()->addAccount(account("acc-old", "svc-old", "p"));
    QCOMPARE(resolver->iconForAccount("acc-old"), QString("icon-old"));

    // The provider now hands out a new icon for the same service.
    providerData()->reset();
    providerData()->setInitialized(true);
    addQuietly(service("svc-old", "icon-new"), account("acc-old", "svc-old", "p"));
    LogCatcher log;
    expectDebug(s_onAccountsUpdated, "Updated data on SocialServiceAccount \"acc-old\"");
    providerData()->changeAccount(account("acc-old", "svc-old", "p2"));

    QCOMPARE(log.count("Updated data on SocialService \""), 0);
    QCOMPARE(resolver->iconForAccount("acc-old"), QString("icon-old"));
}

void tst_ServiceIconResolver::removingLastAccountDropsIcon()
{
    ServiceIconResolver *resolver = ServiceIconResolver::instance();
    providerData()->addService(service("svc-solo", "icon-solo"));
    providerData()->addAccount(account("acc-solo", "svc-solo", "p"));
    QCOMPARE(resolver->iconForService("svc-solo"), QString("icon-solo"));

    expectDebug(s_onAccountsRemoved, "(\"acc-solo\")");
    expectDebug(s_onAccountsRemoved, "Removing icon for service \"svc-solo\"");
    providerData()->removeAccount("acc-solo");

    expectDebug(s_iconForService, "  not found");
    QVERIFY(resolver->iconForService("svc-solo").isEmpty());

    // An account the resolver never mapped is passed over.
    LogCatcher log;
    providerData()->addAccount(account("acc-stray", QString(), "p"));
    providerData()->removeAccount("acc-stray");
    QCOMPARE(log.count("Removing icon for service"), 0);
}

void tst_ServiceIconResolver::iconStaysWhileAnotherAccountUsesService()
{
    ServiceIconResolver *resolver = ServiceIconResolver::instance();
    providerData()->addService(service("svc-duo", "icon-duo"));
    providerData()->addAccount(account("acc-duo-1", "svc-duo", "p1"));
    providerData()->addAccount(account("acc-duo-2", "svc-duo", "p2"));

    LogCatcher log;
    providerData()->removeAccount("acc-duo-1");
    QCOMPARE(log.count("Removing icon for service"), 0);
    QCOMPARE(resolver->iconForActivity(activityOf("acc-duo-2")), QString("icon-duo"));

    expectDebug(s_onAccountsRemoved, "Removing icon for service \"svc-duo\"");
    providerData()->removeAccount("acc-duo-2");
    QVERIFY(resolver->iconForActivity(activityOf("acc-duo-2")).isEmpty());

    // A new account of the service fetches the icon again.
    providerData()->addAccount(account("acc-duo-3", "svc-duo", "p3"));
    QCOMPARE(resolver->iconForAccount("acc-duo-3"), QString("icon-duo"));
}

QTEST_GUILESS_MAIN(tst_ServiceIconResolver)

#include "tst_serviceiconresolver.moc"
