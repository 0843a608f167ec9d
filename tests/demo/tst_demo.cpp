#include <QColor>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

const int s_runTimeout = 120000;

// One line of the demo's account: "<label>: key=value key="text" ...".
using Fields = QMap<QString, QString>;

Fields parseFields(const QString &text)
{
    static const QRegularExpression field(
        QStringLiteral(R"re(([\w-]+)=("(?:[^"\\]|\\.)*"|\S*))re"));
    Fields fields;
    for (auto it = field.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        QString value = match.captured(2);
        if (value.startsWith(QLatin1Char('"'))) {
            value = value.mid(1, value.size() - 2);
            value.replace(QLatin1String("\\n"), QLatin1String("\n"));
            value.replace(QRegularExpression(QStringLiteral(R"(\\(.))")), QStringLiteral("\\1"));
        }
        fields.insert(match.captured(1), value);
    }
    return fields;
}

struct DemoRun
{
    int exitCode = -1;
    QString errors;
    QString output;
    QStringList lines;

    // The fields of every line that starts with "<label> ": bubble, comment.
    QList<Fields> items(const QString &label) const
    {
        const QRegularExpression line(QStringLiteral("^%1 \\d+: (.*)$").arg(label));
        QList<Fields> found;
        for (const QString &text : lines) {
            const QRegularExpressionMatch match = line.match(text);
            if (match.hasMatch())
                found.append(parseFields(match.captured(1)));
        }
        return found;
    }

    // The fields of the line that starts with "<label>: ".
    Fields single(const QString &label) const
    {
        const QString prefix = label + QLatin1String(": ");
        for (const QString &text : lines) {
            if (text.startsWith(prefix))
                return parseFields(text.mid(prefix.size()));
        }
        return Fields();
    }

    int feedSize() const
    {
        for (const QString &text : lines) {
            const QRegularExpressionMatch match =
                QRegularExpression(QStringLiteral(R"(^feed: (\d+) bubbles$)")).match(text);
            if (match.hasMatch())
                return match.captured(1).toInt();
        }
        return -1;
    }
};

enum class Display { Offscreen, None };

// Runs the demo as a user would: without the test's plugin and catalog
// folders, so that it has to find its own, and in the C locale so that the
// texts are the engineering English ones. Display::None is a console with no
// display and no platform chosen.
DemoRun runDemo(const QStringList &arguments, Display display = Display::Offscreen,
                const QString &folder = QString())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_PLUGIN_PATH"));
    environment.remove(QStringLiteral("UXKIT_TRANSLATION_PATH"));
    environment.remove(QStringLiteral("QT_LOGGING_RULES"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    if (display == Display::None) {
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            environment.remove(QString::fromLatin1(name));
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(DEMO_EXECUTABLE), arguments);
    DemoRun run;
    if (!process.waitForFinished(s_runTimeout)) {
        process.kill();
        process.waitForFinished();
        run.errors = QStringLiteral("the demo did not finish");
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.lines = run.output.split(QLatin1Char('\n'));
    return run;
}

void verifyScreenshot(const QString &path)
{
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), QSize(480, 854));
    // A blank or single-coloured window would mean nothing was drawn.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 7) {
        for (int x = 0; x < image.width(); x += 7)
            colours.insert(image.pixel(x, y));
    }
    QVERIFY2(colours.size() > 50, qPrintable(QString::number(colours.size())));
}

// The colour most of the picture has: the window's background.
QColor dominantColour(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            ++counts[image.pixel(x, y)];
    }
    QRgb dominant = 0;
    int most = 0;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        if (it.value() > most) {
            most = it.value();
            dominant = it.key();
        }
    }
    return QColor(dominant);
}

// A bubble as the demo reports it, with everything a bubble needs.
void verifyCompleteBubble(const Fields &bubble)
{
    const QString where = bubble.value(QStringLiteral("message"));
    QVERIFY2(!bubble.value(QStringLiteral("sender")).isEmpty(), qPrintable(where));
    QVERIFY2(bubble.value(QStringLiteral("avatar")) == QLatin1String("picture"), qPrintable(where));
    QVERIFY2(!bubble.value(QStringLiteral("message")).isEmpty(), qPrintable(where));
    QVERIFY2(!bubble.value(QStringLiteral("time")).isEmpty(), qPrintable(where));
    QVERIFY2(!bubble.value(QStringLiteral("icon")).isEmpty(), qPrintable(where));
}

} // namespace

class TestDemo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void sampleImagesAreDrawn();
    void feedShowsTheSample();
    void feedShowsEveryAge();
    void commentsPageOfFirstBubble();
    void commentsPageOfLongThread();
    void markupShowsAsWritten();
    void desktopLooks_data();
    void desktopLooks();
    void refusesBadInput_data();
    void refusesBadInput();
    void withoutDisplay_data();
    void withoutDisplay();

private:
    QTemporaryDir m_dir;
    DemoRun m_feed;
};

void TestDemo::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_feed = runDemo({QStringLiteral("--screenshot"), m_dir.filePath(QStringLiteral("feed.png"))});
    QVERIFY2(m_feed.exitCode == 0, qPrintable(m_feed.errors));
}

void TestDemo::sampleImagesAreDrawn()
{
    const QDir data(QStringLiteral(DEMO_DATA_DIR));
    QFile file(data.filePath(QStringLiteral("sample.json")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject sample = QJsonDocument::fromJson(file.readAll()).object();

    QList<QImage> avatars;
    for (const QJsonValue &person : sample.value(QLatin1String("persons")).toArray()) {
        const QString path = data.filePath(person[QLatin1String("picture")].toString());
        const QImage avatar(path);
        QVERIFY2(!avatar.isNull(), qPrintable(path));
        for (const QImage &other : qAsConst(avatars))
            QVERIFY2(avatar != other, qPrintable(path + QLatin1String(" looks like another")));
        avatars.append(avatar);
    }
    QVERIFY(avatars.size() >= 12);

    int photos = 0;
    for (const QJsonValue &activity : sample.value(QLatin1String("activities")).toArray()) {
        const QJsonArray media =
            activity[QLatin1String("attachment")][QLatin1String("media")].toArray();
        for (const QJsonValue &item : media) {
            const QString path = data.filePath(item[QLatin1String("image")].toString());
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
            ++photos;
        }
    }
    QVERIFY(photos > 0);
    QVERIFY(!QImage(data.filePath(QStringLiteral("icons/icon-s-service-twittergw.png"))).isNull());
}

void TestDemo::feedShowsTheSample()
{
    verifyScreenshot(m_dir.filePath(QStringLiteral("feed.png")));

    const QList<Fields> bubbles = m_feed.items(QStringLiteral("bubble"));
    QVERIFY2(bubbles.size() >= 5, qPrintable(m_feed.lines.join(QLatin1Char('\n'))));
    QCOMPARE(m_feed.feedSize(), bubbles.size());

    QSet<QString> icons;
    bool thumbnails = false;
    bool link = false;
    for (const Fields &bubble : bubbles) {
        verifyCompleteBubble(bubble);
        icons.insert(bubble.value(QStringLiteral("icon")));
        thumbnails |= bubble.value(QStringLiteral("thumbnails")).toInt() > 0;
        link |= !bubble.value(QStringLiteral("link")).isEmpty();
    }
    QVERIFY(thumbnails);
    QVERIFY(link);
    // Both services show, each with its own icon.
    QVERIFY(icons.contains(QStringLiteral(":/fb.png")));
    QVERIFY(icons.contains(QStringLiteral("icon-s-service-twittergw")));
    // Newest on top.
    QCOMPARE(bubbles.first().value(QStringLiteral("time")), QStringLiteral("Just now"));
}

void TestDemo::feedShowsEveryAge()
{
    const QStringList ages{QStringLiteral("^Just now$"),
                           QStringLiteral("^\\d+ minutes ago$"),
                           QStringLiteral("^1 hour ago$"),
                           QStringLiteral("^\\d+ hours ago$"),
                           QStringLiteral("^Yesterday \\d\\d?:\\d\\d"),
                           QStringLiteral("^\\d+ days ago$")};
    const QList<Fields> bubbles = m_feed.items(QStringLiteral("bubble"));
    for (const QString &age : ages) {
        const QRegularExpression pattern(age);
        const bool shown = std::any_of(bubbles.begin(), bubbles.end(), [&](const Fields &bubble) {
            return pattern.match(bubble.value(QStringLiteral("time"))).hasMatch();
        });
        QVERIFY2(shown, qPrintable(age));
    }
}

void TestDemo::commentsPageOfFirstBubble()
{
    const QString shot = m_dir.filePath(QStringLiteral("comments.png"));
    const DemoRun run = runDemo({QStringLiteral("--screenshot"), shot,
                                 QStringLiteral("--open-comments"), QStringLiteral("1")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    verifyScreenshot(shot);

    const Fields page = run.single(QStringLiteral("comments page"));
    QVERIFY2(!page.isEmpty(), qPrintable(run.lines.join(QLatin1Char('\n'))));
    QVERIFY(!page.value(QStringLiteral("likes")).isEmpty());
    QCOMPARE(page.value(QStringLiteral("postbox")), QStringLiteral("yes"));

    // The page is about the bubble that was tapped.
    const Fields tapped = m_feed.items(QStringLiteral("bubble")).first();
    const Fields activity = run.single(QStringLiteral("activity"));
    QCOMPARE(activity.value(QStringLiteral("message")), tapped.value(QStringLiteral("message")));
    QCOMPARE(page.value(QStringLiteral("title")), tapped.value(QStringLiteral("sender")));

    // A short thread shows every comment the activity counts.
    const int comments = page.value(QStringLiteral("comments")).toInt();
    QVERIFY(comments > 0);
    QCOMPARE(comments, activity.value(QStringLiteral("comments")).toInt());
    const QList<Fields> shown = run.items(QStringLiteral("comment"));
    QCOMPARE(shown.size(), comments);
    for (const Fields &comment : shown)
        verifyCompleteBubble(comment);
    QVERIFY(page.value(QStringLiteral("more")).isEmpty());
}

void TestDemo::commentsPageOfLongThread()
{
    // The first bubble whose activity has more comments than a page fetches.
    const QList<Fields> bubbles = m_feed.items(QStringLiteral("bubble"));
    int index = 0;
    while (index < bubbles.size() &&
           bubbles.at(index).value(QStringLiteral("comments")).toInt() <= 14)
        ++index;
    QVERIFY2(index < bubbles.size(), "the sample has no thread of more than 14 comments");
    const QString count = bubbles.at(index).value(QStringLiteral("comments"));

    const DemoRun run =
        runDemo({QStringLiteral("--screenshot"), m_dir.filePath(QStringLiteral("thread.png")),
                 QStringLiteral("--open-comments"), QString::number(index + 1)});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    const Fields page = run.single(QStringLiteral("comments page"));
    QCOMPARE(page.value(QStringLiteral("comments")), QStringLiteral("14"));
    QCOMPARE(run.items(QStringLiteral("comment")).size(), 14);
    // The link offers the rest, naming the full count.
    QVERIFY2(page.value(QStringLiteral("more")).contains(count),
             qPrintable(page.value(QStringLiteral("more"))));
}

void TestDemo::markupShowsAsWritten()
{
    const QString bold = QStringLiteral("<b>Ann</b>");
    const QString big = QStringLiteral("<font size=7 color=red>BIG</font>");
    const QString link = QStringLiteral("<a href=\"http://example.com/\">x</a>");
    const QString image = QStringLiteral("<img src=\"/nonexistent/x.png\">");

    // The sample, with markup in the first activity's owner, liker, message
    // and photo caption, and its files found from anywhere.
    const QDir data(QStringLiteral(DEMO_DATA_DIR));
    QFile sampleFile(data.filePath(QStringLiteral("sample.json")));
    QVERIFY(sampleFile.open(QIODevice::ReadOnly));
    QJsonObject sample = QJsonDocument::fromJson(sampleFile.readAll()).object();
    QJsonArray persons = sample.value(QLatin1String("persons")).toArray();
    for (QJsonValueRef value : persons) {
        QJsonObject person = value.toObject();
        const QString id = person.value(QLatin1String("id")).toString();
        if (id == QLatin1String("1001"))
            person.insert(QStringLiteral("firstName"), bold);
        else if (id == QLatin1String("1002"))
            person.insert(QStringLiteral("firstName"), big);
        person.insert(QStringLiteral("picture"),
                      data.filePath(person.value(QLatin1String("picture")).toString()));
        value = person;
    }
    sample.insert(QStringLiteral("persons"), persons);
    QJsonArray activities = sample.value(QLatin1String("activities")).toArray();
    for (QJsonValueRef value : activities) {
        QJsonObject activity = value.toObject();
        QJsonObject attachment = activity.value(QLatin1String("attachment")).toObject();
        QJsonArray media = attachment.value(QLatin1String("media")).toArray();
        for (QJsonValueRef item : media) {
            QJsonObject object = item.toObject();
            object.insert(QStringLiteral("image"),
                          data.filePath(object.value(QLatin1String("image")).toString()));
            item = object;
        }
        if (!media.isEmpty())
            attachment.insert(QStringLiteral("media"), media);
        if (activity.value(QLatin1String("id")).toString() == QLatin1String("fb-101")) {
            activity.insert(QStringLiteral("description"), link);
            activity.insert(QStringLiteral("likers"), QJsonArray{QStringLiteral("1002")});
            attachment.insert(QStringLiteral("title"), image);
        }
        if (!attachment.isEmpty())
            activity.insert(QStringLiteral("attachment"), attachment);
        value = activity;
    }
    sample.insert(QStringLiteral("activities"), activities);
    QFile markupFile(m_dir.filePath(QStringLiteral("markup.json")));
    QVERIFY(markupFile.open(QIODevice::WriteOnly));
    markupFile.write(QJsonDocument(sample).toJson());
    markupFile.close();

    const DemoRun run =
        runDemo({QStringLiteral("--screenshot"), m_dir.filePath(QStringLiteral("markup.png")),
                 QStringLiteral("--data"), markupFile.fileName(), QStringLiteral("--open-comments"),
                 QStringLiteral("1")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    const Fields page = run.single(QStringLiteral("comments page"));
    QCOMPARE(page.value(QStringLiteral("title")), bold + QLatin1String(" Lee"));
    QCOMPARE(page.value(QStringLiteral("likes")), big + QLatin1String(" Stone likes this"));
    const Fields activity = run.single(QStringLiteral("activity"));
    QCOMPARE(activity.value(QStringLiteral("sender")), bold + QLatin1String(" Lee"));
    QCOMPARE(activity.value(QStringLiteral("message")), link);
    QCOMPARE(activity.value(QStringLiteral("caption")), image);
}

void TestDemo::desktopLooks_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("avatarSide");
    QTest::newRow("default") << QStringList() << false << QStringLiteral("left");
    QTest::newRow("dark") << QStringList{QStringLiteral("--dark")} << true
                          << QStringLiteral("left");
    QTest::newRow("right to left")
        << QStringList{QStringLiteral("--rtl")} << false << QStringLiteral("right");
}

void TestDemo::desktopLooks()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, dark);
    QFETCH(QString, avatarSide);

    // The default look is the feed every test starts from.
    const QString shot = m_dir.filePath(arguments.isEmpty() ? QStringLiteral("feed.png")
                                                            : QStringLiteral("look.png"));
    const DemoRun run =
        arguments.isEmpty()
            ? m_feed
            : runDemo(arguments + QStringList{QStringLiteral("--screenshot"), shot});
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    verifyScreenshot(shot);

    const qreal lightness = dominantColour(QImage(shot)).lightnessF();
    QVERIFY2(dark ? lightness < 0.3 : lightness > 0.7, qPrintable(QString::number(lightness)));
    const QList<Fields> bubbles = run.items(QStringLiteral("bubble"));
    QVERIFY(!bubbles.isEmpty());
    for (const Fields &bubble : bubbles) {
        verifyCompleteBubble(bubble);
        QCOMPARE(bubble.value(QStringLiteral("avatar-side")), avatarSide);
    }
}

void TestDemo::refusesBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("complaint");

    const QString shot = QDir::temp().filePath(QStringLiteral("never-written.png"));
    QTest::newRow("bubble 0") << QStringList{QStringLiteral("--open-comments"), QStringLiteral("0")}
                              << QStringLiteral("--open-comments");
    QTest::newRow("not a number") << QStringList{QStringLiteral("--open-comments"),
                                                 QStringLiteral("two")}
                                  << QStringLiteral("--open-comments");
    QTest::newRow("no such bubble")
        << QStringList{QStringLiteral("--screenshot"), shot, QStringLiteral("--open-comments"),
                       QStringLiteral("999")}
        << QStringLiteral("no bubble 999");
    QTest::newRow("missing data set")
        << QStringList{QStringLiteral("--screenshot"), shot, QStringLiteral("--data"),
                       QStringLiteral("/nonexistent/sample.json")}
        << QStringLiteral("/nonexistent/sample.json");
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("--bogus")} << QStringLiteral("bogus");
}

void TestDemo::refusesBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, complaint);

    const DemoRun run = runDemo(arguments);
    QVERIFY(run.exitCode > 0);
    QVERIFY2(run.errors.contains(complaint), qPrintable(run.errors));
}

void TestDemo::withoutDisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("complaint");
    QTest::addColumn<QString>("picture");

    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0
                          << QStringLiteral("--open-comments <n>") << QString() << QString();
    QTest::newRow("short help") << QStringList{QStringLiteral("-h")} << 0
                                << QStringLiteral("Usage: " DEMO_EXECUTABLE " [options]")
                                << QString() << QString();
    QTest::newRow("unknown option") << QStringList{QStringLiteral("--bogus")} << 1 << QString()
                                    << QStringLiteral("Unknown option 'bogus'") << QString();
    QTest::newRow("missing value")
        << QStringList{QStringLiteral("--screenshot")} << 1 << QString()
        << QStringLiteral("Missing value after '--screenshot'") << QString();
    // The window is drawn where --screenshot would draw it, and said so.
    QTest::newRow("window") << QStringList() << 0 << QStringLiteral("feed: ")
                            << QStringLiteral("no display; drawing the window into ")
                            << QStringLiteral("demo.png");
    QTest::newRow("screenshot") << QStringList{QStringLiteral("--screenshot"),
                                               QStringLiteral("asked.png")}
                                << 0 << QStringLiteral("feed: ") << QString()
                                << QStringLiteral("asked.png");
}

void TestDemo::withoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, complaint);
    QFETCH(QString, picture);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const DemoRun run = runDemo(arguments, Display::None, folder.path());
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.errors));
    QVERIFY2(run.output.contains(output), qPrintable(run.output));
    // Qt may add its own lines (no runtime folder); the demo says one at most.
    const QStringList said = run.errors.split(QLatin1Char('\n'))
                                 .filter(QRegularExpression(QStringLiteral("^davovadezed-demo: ")));
    if (complaint.isEmpty()) {
        QVERIFY2(said.isEmpty(), qPrintable(run.errors));
    } else {
        QCOMPARE(said.size(), 1);
        QVERIFY2(said.first().contains(complaint), qPrintable(run.errors));
        // The line names where the picture went.
        if (!picture.isEmpty())
            QVERIFY2(said.first().contains(folder.filePath(picture)), qPrintable(run.errors));
    }
    const QStringList written = QDir(folder.path()).entryList(QDir::Files);
    if (picture.isEmpty()) {
        QVERIFY2(written.isEmpty(), qPrintable(written.join(QLatin1Char(' '))));
    } else {
        QCOMPARE(written, QStringList{picture});
        verifyScreenshot(folder.filePath(picture));
    }
}

QTEST_GUILESS_MAIN(TestDemo)
#include "tst_demo.moc"
