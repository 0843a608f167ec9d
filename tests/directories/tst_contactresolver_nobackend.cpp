#include "logcatcher.h"

#include <contactresolver.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QtContacts/QContactManager>

using namespace QtContacts;

// Without the "social" backend every lookup fails at once; it must still end
// in one error per lookup, never in silence or in a lookup stuck forever.
class tst_ContactResolverNoBackend : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void missingBackendIsReported();
    void lookupFailsOnLaterTurn();
};

void tst_ContactResolverNoBackend::initTestCase()
{
    // No plugin folders: the backends are looked up on first use.
    QCoreApplication::setLibraryPaths(QStringList());
    QVERIFY(!QContactManager::availableManagers().contains(QStringLiteral("social")));
}

void tst_ContactResolverNoBackend::missingBackendIsReported()
{
    const LogCatcher log;
    ContactResolver resolver;
    QCOMPARE(log.count(QStringLiteral("ContactResolver::ContactResolver(QObject*) Contacts backend "
                                      "\"social\" is not available")),
             1);
}

void tst_ContactResolverNoBackend::lookupFailsOnLaterTurn()
{
    ContactResolver resolver;
    QSignalSpy failed(&resolver, &ContactResolver::error);
    const LogCatcher log;

    resolver.resolveContact(QStringLiteral("p1"));
    QCOMPARE(failed.count(), 0);
    QVERIFY(failed.wait());
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("p1"));
    QCOMPARE(
        log.count(QStringLiteral("void ContactResolver::resolveContact(const QString&, qint32) "
                                 "Could not start the lookup of contact: \"p1\"")),
        1);

    // Nothing is left pending: the same id can be asked for again.
    resolver.resolveContact(QStringLiteral("p1"));
    QVERIFY(failed.wait());
    QCOMPARE(failed.count(), 2);
}

QTEST_GUILESS_MAIN(tst_ContactResolverNoBackend)
#include "tst_contactresolver_nobackend.moc"
