#include "contentaction.h"

#include <QDesktopServices>
#include <QList>
#include <QTest>
#include <QUrl>

using ContentAction::Action;

// Stands in for the desktop's handler of a scheme.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> m_opened;

public slots:
    void open(const QUrl &url) { m_opened.append(url); }
};

class TestContentAction : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void parsesUris_data();
    void parsesUris();
    void refusesUnparsable_data();
    void refusesUnparsable();
    void defaultActionIsInvalid();
    void copiesKeepTheUrl();

    void triggerReachesSchemeHandler_data();
    void triggerReachesSchemeHandler();
    void invalidActionOpensNothing();

private:
    UrlCatcher m_catcher;
    const QStringList m_schemes = {QStringLiteral("http"), QStringLiteral("https"),
                                   QStringLiteral("mailto"), QStringLiteral("file")};
};

void TestContentAction::init()
{
    m_catcher.m_opened.clear();
    for (const QString &scheme : m_schemes) {
        QDesktopServices::setUrlHandler(scheme, &m_catcher, "open");
    }
}

void TestContentAction::cleanup()
{
    for (const QString &scheme : m_schemes) {
        QDesktopServices::unsetUrlHandler(scheme);
    }
}

void TestContentAction::parsesUris_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QUrl>("url");

    QTest::newRow("http") << "http://example.com/a?b=1#c"
                          << QUrl(QStringLiteral("http://example.com/a?b=1#c"));
    QTest::newRow("https") << "https://example.com" << QUrl(QStringLiteral("https://example.com"));
    QTest::newRow("mailto") << "mailto:ada@example.com"
                            << QUrl(QStringLiteral("mailto:ada@example.com"));
    QTest::newRow("local path") << "/home/x.jpg"
                                << QUrl::fromLocalFile(QStringLiteral("/home/x.jpg"));
    QTest::newRow("local path with a hash")
        << "/home/photo #1.jpg" << QUrl::fromLocalFile(QStringLiteral("/home/photo #1.jpg"));
    QTest::newRow("file url") << "file:///tmp/a.png"
                              << QUrl::fromLocalFile(QStringLiteral("/tmp/a.png"));
    QTest::newRow("surrounding blanks")
        << "  http://example.com/  " << QUrl(QStringLiteral("http://example.com/"));
}

void TestContentAction::parsesUris()
{
    QFETCH(QString, uri);
    QFETCH(QUrl, url);

    const Action action = Action::defaultActionForScheme(uri);
    QVERIFY(action.isValid());
    QCOMPARE(action.url(), url);
}

void TestContentAction::refusesUnparsable_data()
{
    QTest::addColumn<QString>("uri");

    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << "   ";
    QTest::newRow("relative") << "not a uri";
    QTest::newRow("no scheme") << "://example.com";
    QTest::newRow("http without host") << "http://";
    QTest::newRow("scheme only") << "mailto:";
    QTest::newRow("bad port") << "http://example.com:port/";
}

void TestContentAction::refusesUnparsable()
{
    QFETCH(QString, uri);

    const Action action = Action::defaultActionForScheme(uri);
    QVERIFY(!action.isValid());
    QVERIFY(action.url().isEmpty());
}

void TestContentAction::defaultActionIsInvalid()
{
    const Action action;
    QVERIFY(!action.isValid());
    QTest::ignoreMessage(
        QtWarningMsg,
        "void ContentAction::Action::trigger() const Will not open an invalid URI \"\"");
    action.trigger();
    QVERIFY(m_catcher.m_opened.isEmpty());
}

void TestContentAction::copiesKeepTheUrl()
{
    Action copy;
    {
        const Action original =
            Action::defaultActionForScheme(QStringLiteral("https://example.com/p"));
        copy = original;
    }
    QVERIFY(copy.isValid());
    copy.trigger();
    QCOMPARE(m_catcher.m_opened, QList<QUrl>{QUrl(QStringLiteral("https://example.com/p"))});
}

void TestContentAction::triggerReachesSchemeHandler_data()
{
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QUrl>("opened");

    QTest::newRow("http") << "http://example.com/photo/1"
                          << QUrl(QStringLiteral("http://example.com/photo/1"));
    QTest::newRow("mailto") << "mailto:ada@example.com"
                            << QUrl(QStringLiteral("mailto:ada@example.com"));
    QTest::newRow("local path") << "/home/user/Pictures/x.jpg"
                                << QUrl::fromLocalFile(QStringLiteral("/home/user/Pictures/x.jpg"));
    QTest::newRow("file url") << "file:///home/user/x.jpg"
                              << QUrl::fromLocalFile(QStringLiteral("/home/user/x.jpg"));
}

void TestContentAction::triggerReachesSchemeHandler()
{
    QFETCH(QString, uri);
    QFETCH(QUrl, opened);

    Action::defaultActionForScheme(uri).trigger();
    QCOMPARE(m_catcher.m_opened, QList<QUrl>{opened});
    QCOMPARE(m_catcher.m_opened.first().scheme(), opened.scheme());
}

void TestContentAction::invalidActionOpensNothing()
{
    QTest::ignoreMessage(
        QtWarningMsg,
        "void ContentAction::Action::trigger() const Will not open an invalid URI \"http://\"");
    Action::defaultActionForScheme(QStringLiteral("http://")).trigger();
    QTest::ignoreMessage(
        QtWarningMsg,
        "void ContentAction::Action::trigger() const Will not open an invalid URI \"not a uri\"");
    Action::defaultActionForScheme(QStringLiteral("not a uri")).trigger();
    QVERIFY(m_catcher.m_opened.isEmpty());
}

QTEST_MAIN(TestContentAction)
#include "tst_contentaction.moc"
