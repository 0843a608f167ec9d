#include "bubblefixtures.h"

#include <activitybubble.h>
#include <uxlocale.h>
#include <zevavizi.h>

#include <QLocale>

using namespace BubbleFixtures;

namespace {

// The time stamp a bubble shows for an activity started the given number of
// seconds ago (negative: in the future).
QString stampFor(qint64 ageSeconds)
{
    ActivityBubble bubble;
    bubble.setActivity(activity("t1", "text", ageSeconds), {});
    return bubble.timeStamp();
}

void useLocale(const QString &name)
{
    UxLocale locale(name);
    locale.installTrCatalog(QStringLiteral("actv"));
    UxLocale::setDefault(locale);
}

} // namespace

class tst_TimeAgo : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void catalogIsInstalled();
    void englishTexts_data();
    void englishTexts();
    void oneBubbleFollowsEachNewStart_data();
    void oneBubbleFollowsEachNewStart();
    void cleanupTestCase();
    void yesterdayShowsTheTimeOfDay_data();
    void yesterdayShowsTheTimeOfDay();
    void groupedDayCountPicksTheZeroForm();
    void polishPluralForms_data();
    void polishPluralForms();

private:
    // Lives through the rows of oneBubbleFollowsEachNewStart.
    ActivityBubble *m_shared = nullptr;
};

void tst_TimeAgo::initTestCase()
{
    setUpProvider();
    UxLocale::setDefault(UxLocale(QStringLiteral("en_GB")));
    Zevavizi::loadTranslation();
}

void tst_TimeAgo::catalogIsInstalled()
{
    QVERIFY(UxLocale::defaultTrCatalogs().contains(QStringLiteral("actv")));
    QCOMPARE(UxLocale::defaultName(), QStringLiteral("en_GB"));
}

void tst_TimeAgo::englishTexts_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<QString>("text");
    QTest::newRow("future") << qint64(-30) << "Just now";
    QTest::newRow("far future") << qint64(-5 * 86400) << "Just now";
    QTest::newRow("now") << qint64(0) << "Just now";
    QTest::newRow("119 s") << qint64(119) << "Just now";
    QTest::newRow("120 s") << qint64(120) << "2 minutes ago";
    QTest::newRow("179 s") << qint64(179) << "2 minutes ago";
    QTest::newRow("3599 s") << qint64(3599) << "59 minutes ago";
    QTest::newRow("3600 s") << qint64(3600) << "1 hour ago";
    QTest::newRow("7199 s") << qint64(7199) << "1 hour ago";
    QTest::newRow("7200 s") << qint64(7200) << "2 hours ago";
    QTest::newRow("86399 s") << qint64(86399) << "23 hours ago";
    QTest::newRow("172800 s") << qint64(172800) << "2 days ago";
    QTest::newRow("ten days") << qint64(10 * 86400) << "10 days ago";
}

void tst_TimeAgo::englishTexts()
{
    QFETCH(qint64, age);
    QFETCH(QString, text);
    QCOMPARE(stampFor(age), text);
}

void tst_TimeAgo::oneBubbleFollowsEachNewStart_data()
{
    englishTexts_data();
}

// One bubble through all the rows: each new start is counted anew, whatever
// the bubble showed for the start before.
void tst_TimeAgo::oneBubbleFollowsEachNewStart()
{
    QFETCH(qint64, age);
    QFETCH(QString, text);
    if (!m_shared) {
        m_shared = new ActivityBubble;
        m_shared->setActivity(activity("t1", "text", 0), {});
    }
    m_shared->setActivity(activity("t1", "text", age), {SocialActivity::StartTime});
    QCOMPARE(m_shared->timeStamp(), text);
    // The same start again, as when the sender's contact arrives.
    m_shared->setActivity(activity("t1", "text", age), {SocialActivity::StartTime});
    QCOMPARE(m_shared->timeStamp(), text);
}

void tst_TimeAgo::cleanupTestCase()
{
    delete m_shared;
}

void tst_TimeAgo::yesterdayShowsTheTimeOfDay_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("format");
    QTest::newRow("86400 s") << qint64(86400) << "en_GB"
                             << "Yesterday"
                             << "HH:mm";
    QTest::newRow("172799 s") << qint64(172799) << "en_GB"
                              << "Yesterday"
                              << "HH:mm";
    // The short form of the C locale counts seconds; the stamp does not.
    QTest::newRow("C") << qint64(90000) << "C"
                       << "Yesterday"
                       << "HH:mm";
    QTest::newRow("en_US") << qint64(90000) << "en_US"
                           << "Yesterday"
                           << "h:mm AP";
    QTest::newRow("pl_PL") << qint64(90000) << "pl_PL"
                           << "Wczoraj"
                           << "HH:mm";
}

void tst_TimeAgo::yesterdayShowsTheTimeOfDay()
{
    QFETCH(qint64, age);
    QFETCH(QString, locale);
    QFETCH(QString, day);
    QFETCH(QString, format);
    useLocale(locale);
    const QDateTime moment = QDateTime::currentDateTime().addSecs(-age);
    const QString stamp = stampFor(age);
    useLocale(QStringLiteral("en_GB"));
    QCOMPARE(stamp, day + QLatin1Char(' ') + QLocale(locale).toString(moment, format));
}

void tst_TimeAgo::groupedDayCountPicksTheZeroForm()
{
    // "1,000" does not read back as a number: the catalog's form for 0 is
    // used, which in English is the plural.
    QCOMPARE(stampFor(1000 * qint64(86400)), QStringLiteral("1,000 days ago"));
}

void tst_TimeAgo::polishPluralForms_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<QString>("text");
    QTest::newRow("now") << qint64(10) << QStringLiteral("Przed chwilą");
    QTest::newRow("2 minutes") << qint64(2 * 60) << QStringLiteral("2 minuty temu");
    QTest::newRow("5 minutes") << qint64(5 * 60) << QStringLiteral("5 minut temu");
    QTest::newRow("12 minutes") << qint64(12 * 60) << QStringLiteral("12 minut temu");
    QTest::newRow("22 minutes") << qint64(22 * 60) << QStringLiteral("22 minuty temu");
    QTest::newRow("1 hour") << qint64(3600) << QStringLiteral("Godzinę temu");
    QTest::newRow("2 hours") << qint64(2 * 3600) << QStringLiteral("2 godziny temu");
    QTest::newRow("5 hours") << qint64(5 * 3600) << QStringLiteral("5 godzin temu");
    QTest::newRow("3 days") << qint64(3 * 86400) << QStringLiteral("3 dni temu");
}

void tst_TimeAgo::polishPluralForms()
{
    QFETCH(qint64, age);
    QFETCH(QString, text);
    useLocale(QStringLiteral("pl_PL"));
    QCOMPARE(stampFor(age), text);
}

DAVOVADEZED_TEST_MAIN(tst_TimeAgo)
#include "tst_timeago.moc"
