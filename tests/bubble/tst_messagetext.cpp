#include "bubblefixtures.h"
#include "debuglog.h"

#include "anchorpoint.h"

#include <activitybubble.h>

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLoggingCategory>
#include <QTextDocument>

using namespace BubbleFixtures;

namespace {

const QString s_convert =
    QStringLiteral("static QString ActivityBubblePrivate::convertToHtml(const QString&)");
const QString s_linkActivated =
    QStringLiteral("void ActivityBubblePrivate::onLinkActivated(const QString&)");

// The message a bubble shows for a description.
QString shown(const QString &description)
{
    ActivityBubble bubble;
    bubble.setActivity(activity("m1", description), {});
    return bubble.message();
}

QString anchor(const QString &href, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(href, text);
}

} // namespace

class tst_MessageText : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void conversion_data();
    void conversion();
    void conversionIsLogged();
    void linksOpenOnATap_data();
    void linksOpenOnATap();
    void hostileTextIsConverted_data();
    void hostileTextIsConverted();
};

void tst_MessageText::initTestCase()
{
    setUpProvider();
}

void tst_MessageText::conversion_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("no link") << "Just words, 3.14 and a.b"
                             << "Just words, 3.14 and a.b";
    QTest::newRow("known domain between words")
        << "see example.com now"
        << "see " + anchor("http://example.com", "example.com") + " now";
    QTest::newRow("https at the start")
        << "https://www.example.org/path?a=1 rest"
        << anchor("https://www.example.org/path?a=1", "https://www.example.org/path?a=1") + " rest";
    QTest::newRow("after a parenthesis") << "(www.example.com)"
                                         << "(www.example.com)";
    QTest::newRow("full stop ends the sentence")
        << "Go to www.example.com."
        << "Go to " + anchor("http://www.example.com.", "www.example.com.");
    QTest::newRow("version number") << "version 1.2.3 is out"
                                    << "version 1.2.3 is out";
    QTest::newRow("capital scheme") << "HTTP://EXAMPLE.COM"
                                    << "HTTP://EXAMPLE.COM";
    QTest::newRow("capital domain") << "at WWW.EXAMPLE.COM"
                                    << "at " + anchor("http://WWW.EXAMPLE.COM", "WWW.EXAMPLE.COM");
    QTest::newRow("two links") << "a.com b.org"
                               << anchor("http://a.com", "a.com") + " " +
                                      anchor("http://b.org", "b.org");
    QTest::newRow("three labels") << "news.bbc.co.uk/x"
                                  << anchor("http://news.bbc.co.uk/x", "news.bbc.co.uk/x");
    QTest::newRow("after a line break")
        << "first\nsecond.example.com"
        << "first\n" + anchor("http://second.example.com", "second.example.com");
    QTest::newRow("query with ampersand")
        << "x http://a.com/?a=1&b=2"
        << "x " + anchor("http://a.com/?a=1&amp;b=2", "http://a.com/?a=1&amp;b=2");
    QTest::newRow("markup stays text") << "<a href=\"x.y.z\">hi</a>"
                                       << "&lt;a href=&quot;x.y.z&quot;&gt;hi&lt;/a&gt;";
    // Escaped, the quote is link characters that an href keeps as an entity.
    QTest::newRow("quote stays an entity")
        << "http://a.com/\"onclick=\"x"
        << anchor("http://a.com/&quot;onclick=&quot;x", "http://a.com/&quot;onclick=&quot;x");
    QTest::newRow("javascript is not a link") << "javascript:alert(1)"
                                              << "javascript:alert(1)";
    QTest::newRow("no host") << "http://localhost/x"
                             << "http://localhost/x";

    // Dotted words that only look like the start of a link.
    QTest::newRow("numbers and abbreviations") << "2.5km and v1.2.3 e.g. this"
                                               << "2.5km and v1.2.3 e.g. this";
    QTest::newRow("two letters after one dot") << "x.co"
                                               << "x.co";
    QTest::newRow("after other punctuation") << "(see)www.example.com"
                                             << "(see)www.example.com";
    QTest::newRow("after a no-break space")
        << QStringLiteral("x\u00a0www.example.com")
        << QStringLiteral("x\u00a0") + anchor("http://www.example.com", "www.example.com");
    QTest::newRow("known top-level name after one label")
        << "example.travel/x" << anchor("http://example.travel/x", "example.travel/x");
    QTest::newRow("known name starting a longer one")
        << "so.museumx" << anchor("http://so.museumx", "so.museumx");
    QTest::newRow("three short labels") << "go to e.g.com now"
                                        << "go to " + anchor("http://e.g.com", "e.g.com") + " now";
    QTest::newRow("three labels, letters last") << "a.b.cd" << anchor("http://a.b.cd", "a.b.cd");

    // Hrefs the second expression passes over get the scheme all the same.
    QTest::newRow("query of two fields") << "www.example.com/search?q=1&page=2"
                                         << anchor("http://www.example.com/search?q=1&amp;page=2",
                                                   "www.example.com/search?q=1&amp;page=2");
    QTest::newRow("semicolon in the path")
        << "www.example.com/a;b" << anchor("http://www.example.com/a;b", "www.example.com/a;b");
    QTest::newRow("hyphenated host")
        << "my-site.example.com" << anchor("http://my-site.example.com", "my-site.example.com");
    QTest::newRow("hyphenated host, known name")
        << "a-b.museum" << anchor("http://a-b.museum", "a-b.museum");
    QTest::newRow("host beginning with http")
        << "httpd.apache.org" << anchor("http://httpd.apache.org", "httpd.apache.org");
    QTest::newRow("hyphenated https link")
        << "https://my-site.example.com"
        << anchor("https://my-site.example.com", "https://my-site.example.com");
    QTest::newRow("hrefs mended by either step")
        << "a-b.museum example.com c-d.org x"
        << anchor("http://a-b.museum", "a-b.museum") + " " +
               anchor("http://example.com", "example.com") + " " +
               anchor("http://c-d.org", "c-d.org") + " x";
}

void tst_MessageText::conversion()
{
    QFETCH(QString, description);
    QFETCH(QString, message);
    QCOMPARE(shown(description), message);
}

void tst_MessageText::conversionIsLogged()
{
    QTest::ignoreMessage(QtDebugMsg,
                         qPrintable(s_convert + " Valid 13 Valid 1 \"see example.com\""));
    QTest::ignoreMessage(QtDebugMsg,
                         qPrintable(s_convert + " reWeblink 1 (\" example.com\", \" \", "
                                                "\"example.com\", \"\", \"\", \"\", \"\", \"\", "
                                                "\"example.com\", \"example.\", \"com\", \"\", "
                                                "\"\", \"\")"));
    QTest::ignoreMessage(
        QtDebugMsg, qPrintable(s_convert + " reSchemeMissing 1 (\"<a href=\\\"example.com\\\">\", "
                                           "\"example.com\")"));
    QTest::ignoreMessage(
        QtDebugMsg,
        qPrintable(s_convert + " \"see <a href=\\\"http://example.com\\\">example.com</a>\""));
    shown("see example.com");
}

void tst_MessageText::linksOpenOnATap_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("href");
    QTest::addColumn<QString>("opened");
    QTest::newRow("query of two fields") << "see www.example.com/search?q=1&page=2"
                                         << "http://www.example.com/search?q=1&amp;page=2"
                                         << "http://www.example.com/search?q=1&page=2";
    QTest::newRow("semicolon in the path") << "see www.example.com/a;b"
                                           << "http://www.example.com/a;b"
                                           << "http://www.example.com/a;b";
    QTest::newRow("hyphenated host") << "see my-site.example.com"
                                     << "http://my-site.example.com"
                                     << "http://my-site.example.com";
    QTest::newRow("hyphenated host, known name") << "see a-b.museum"
                                                 << "http://a-b.museum"
                                                 << "http://a-b.museum";
}

void tst_MessageText::linksOpenOnATap()
{
    QFETCH(QString, description);
    QFETCH(QString, href);
    QFETCH(QString, opened);
    QGraphicsScene scene;
    QGraphicsView view(&scene);
    view.resize(520, 440);
    ActivityBubble bubble;
    scene.addItem(&bubble);

    // The converted text, as the last line of the conversion shows it.
    const QString message =
        QStringLiteral("see <a href=\"%1\">%2</a>").arg(href, description.mid(4).toHtmlEscaped());
    QTest::ignoreMessage(
        QtDebugMsg, qPrintable(s_convert + " \"" + QString(message).replace('"', "\\\"") + '"'));
    bubble.setActivity(activity("m1", description), {});
    QCOMPARE(bubble.message(), message);
    bubble.resize(480, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QPointF onLink = anchorPoint(bubble);
    QVERIFY(!onLink.isNull());
    OpenedUrls urls;
    QTest::ignoreMessage(QtDebugMsg, qPrintable(s_linkActivated + " opening \"" + opened + '"'));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      view.mapFromScene(bubble.mapToScene(onLink)));
    QCOMPARE(urls.urls, QList<QUrl>{QUrl(opened)});
}

void tst_MessageText::hostileTextIsConverted_data()
{
    // Runs of the unit, each ended by a space, up to the given length (0: one
    // run of the whole text).
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("run");
    QTest::newRow("one run of labels") << "a." << 0;
    QTest::newRow("labels") << "a." << 2048;
    QTest::newRow("labels ending in digits") << "a.b.c.d.e.f.g.h.1" << 2048;
    QTest::newRow("dots") << "." << 2048;
    QTest::newRow("digit labels") << "1." << 2048;
    QTest::newRow("known domains") << "a.com" << 2048;
    QTest::newRow("link characters") << "?%=&/_.:#;-" << 2048;
    QTest::newRow("nested schemes") << "http://https://http://a.com." << 2048;
    QTest::newRow("look-alike anchors") << "<a href=\"a.b" << 2048;
    QTest::newRow("mixed") << "http://a.b.c/?x=1&y=2;# aero.aero. x.x.x.x9" << 2048;
    QTest::newRow("links without the scheme") << "a-b.com/;" << 10;
}

void tst_MessageText::hostileTextIsConverted()
{
    QFETCH(QString, unit);
    QFETCH(int, run);
    const int size = 64 * 1024;
    QString text;
    while (text.size() < size) {
        QString piece;
        while (piece.size() < (run ? run : size))
            piece += unit;
        text += piece.left(run ? run - 1 : size) + QLatin1Char(' ');
    }
    text.truncate(size);

    // Kilobytes of text in every debug line would only bury the result.
    QLoggingCategory::setFilterRules(QStringLiteral("davovadezed.debug=false"));
    const QString message = shown(text);
    DebugLog::enable();

    // Read back as a text view reads it, the message is the beginning of
    // the text, cut with an ellipsis: links only wrap what was written.
    QTextDocument document;
    document.setHtml(message);
    const QString read = document.toPlainText();
    QVERIFY(read.endsWith(QChar(0x2026)));
    QVERIFY(read.size() > 1000);
    QVERIFY(text.startsWith(read.chopped(1)));
}

DAVOVADEZED_TEST_MAIN(tst_MessageText)
#include "tst_messagetext.moc"
