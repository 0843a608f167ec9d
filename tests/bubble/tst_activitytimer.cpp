#include "bubblefixtures.h"

#include <activitybubble.h>
#include <activitytimer.h>
#include <uxapplicationwindow.h>
#include <zevavizi.h>

using namespace BubbleFixtures;

namespace {

const QString s_stale = QStringLiteral("stale");

QList<QTimer *> timersOf(const ActivityTimer &timer)
{
    return {timer.dayTimer(), timer.hourTimer(), timer.minuteTimer()};
}

bool allRunning(const ActivityTimer &timer)
{
    for (QTimer *tick : timersOf(timer)) {
        if (!tick->isActive())
            return false;
    }
    return true;
}

bool noneRunning(const ActivityTimer &timer)
{
    for (QTimer *tick : timersOf(timer)) {
        if (tick->isActive())
            return false;
    }
    return true;
}

void tick(QTimer *timer)
{
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));
}

// Which of the shared ticks refresh the bubble's time stamp: "d", "h" and
// "m" for the day, hour and minute timer. A tick re-places the bubble, so
// the bubble is placed again by a partial update before each probe.
QString ticksReaching(ActivityBubble &bubble)
{
    ActivityTimer *timer = ActivityTimer::instance();
    const SocialActivity current = bubble.activity();
    QString reached;
    const QList<QPair<QChar, QTimer *>> ticks{{QLatin1Char('d'), timer->dayTimer()},
                                              {QLatin1Char('h'), timer->hourTimer()},
                                              {QLatin1Char('m'), timer->minuteTimer()}};
    for (const auto &probe : ticks) {
        bubble.setActivity(current, {SocialActivity::StartTime});
        bubble.setTimeStamp(s_stale);
        tick(probe.second);
        if (bubble.timeStamp() != s_stale)
            reached += probe.first;
    }
    return reached;
}

qint64 ageOf(const ActivityBubble &bubble)
{
    return bubble.activity()
        .variantProperty(SocialActivity::StartTime)
        .toDateTime()
        .secsTo(QDateTime::currentDateTime());
}

} // namespace

class tst_ActivityTimer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void instanceIsAChildOfTheApplication();
    void timersStayStoppedWithoutAWindow();
    void timersFollowTheWindowOnDisplay();
    void windowAlreadyOnDisplayStartsTheTimers();
    void startTwiceKeepsRunningTimers();
    void newWindowReplacesTheOld();
    void destroyedWindowHandsOverToTheActiveOne();
    void bubbleSubscribesByAge_data();
    void bubbleSubscribesByAge();
    void bubbleMovesToTheHourTimerOnceAnHourOld();
    void clearedBubbleTicksToAnEmptyStamp();
    void listenersOfATickShareItsMoment();
};

void tst_ActivityTimer::initTestCase()
{
    setUpProvider();
    Zevavizi::loadTranslation();
}

void tst_ActivityTimer::instanceIsAChildOfTheApplication()
{
    ActivityTimer *timer = ActivityTimer::instance();
    QCOMPARE(timer->parent(), UxApplication::instance());
    QCOMPARE(ActivityTimer::instance(), timer);
    for (QTimer *tick : timersOf(*timer))
        QVERIFY(!tick->isSingleShot());
}

void tst_ActivityTimer::timersStayStoppedWithoutAWindow()
{
    QVERIFY(!UxApplication::activeApplicationWindow());
    ActivityTimer timer;
    QVERIFY(noneRunning(timer));
    timer.start();
    QVERIFY(allRunning(timer));
    timer.setApplicationWindow(nullptr);
    QVERIFY(noneRunning(timer));
}

void tst_ActivityTimer::timersFollowTheWindowOnDisplay()
{
    UxApplicationWindow window;
    ActivityTimer timer;
    timer.setApplicationWindow(&window);
    QVERIFY(noneRunning(timer));

    window.show();
    QVERIFY(window.isOnDisplay());
    QVERIFY(allRunning(timer));
    QCOMPARE(timer.dayTimer()->interval(), 86400000);
    QCOMPARE(timer.hourTimer()->interval(), 3600000);
    QCOMPARE(timer.minuteTimer()->interval(), 60000);

    window.showMinimized();
    QVERIFY(!window.isOnDisplay());
    QVERIFY(noneRunning(timer));
    window.showNormal();
    QVERIFY(allRunning(timer));
    window.hide();
    QVERIFY(noneRunning(timer));
}

void tst_ActivityTimer::windowAlreadyOnDisplayStartsTheTimers()
{
    UxApplicationWindow window;
    window.show();
    QCOMPARE(UxApplication::activeApplicationWindow(), &window);

    // A timer made now watches the active window from the start.
    ActivityTimer timer;
    QVERIFY(allRunning(timer));
    window.hide();
    QVERIFY(noneRunning(timer));
}

void tst_ActivityTimer::startTwiceKeepsRunningTimers()
{
    ActivityTimer timer;
    timer.start();
    // A timer already running is left alone: its interval (and phase) stay.
    timer.minuteTimer()->start(1234);
    timer.start();
    QCOMPARE(timer.minuteTimer()->interval(), 1234);
    QCOMPARE(timer.hourTimer()->interval(), 3600000);
    QVERIFY(allRunning(timer));
    timer.stop();
    QVERIFY(noneRunning(timer));
}

void tst_ActivityTimer::newWindowReplacesTheOld()
{
    UxApplicationWindow first;
    UxApplicationWindow second;
    first.show();
    ActivityTimer timer;
    timer.setApplicationWindow(&first);
    QVERIFY(allRunning(timer));

    timer.setApplicationWindow(&second);
    QVERIFY(noneRunning(timer));
    first.hide();
    first.show();
    QVERIFY(noneRunning(timer));

    second.show();
    QVERIFY(allRunning(timer));
    first.hide();
    QVERIFY(allRunning(timer));
    second.hide();
    QVERIFY(noneRunning(timer));
}

void tst_ActivityTimer::destroyedWindowHandsOverToTheActiveOne()
{
    UxApplicationWindow other;
    other.show();
    auto *watched = new UxApplicationWindow;
    watched->show();
    ActivityTimer timer;
    timer.setApplicationWindow(watched);

    delete watched;
    QCOMPARE(UxApplication::activeApplicationWindow(), &other);
    QVERIFY(allRunning(timer));
    other.hide();
    QVERIFY(noneRunning(timer));
    other.show();
    QVERIFY(allRunning(timer));
}

void tst_ActivityTimer::bubbleSubscribesByAge_data()
{
    QTest::addColumn<qint64>("age");
    QTest::addColumn<QString>("ticks");
    QTest::newRow("new") << qint64(0) << "m";
    QTest::newRow("half an hour") << qint64(1800) << "m";
    QTest::newRow("two hours") << qint64(7200) << "h";
    QTest::newRow("almost a day") << qint64(86000) << "h";
    QTest::newRow("two days") << qint64(2 * 86400) << "d";
}

void tst_ActivityTimer::bubbleSubscribesByAge()
{
    QFETCH(qint64, age);
    QFETCH(QString, ticks);
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "text", age), {});
    QCOMPARE(ticksReaching(bubble), ticks);
}

void tst_ActivityTimer::bubbleMovesToTheHourTimerOnceAnHourOld()
{
    ActivityBubble bubble;
    ActivityTimer *timer = ActivityTimer::instance();
    // A little under an hour old: on the minute timer until a tick finds it
    // an hour old.
    SocialActivity record = activity("x1", "text");
    record.setProperty(SocialActivity::StartTime, QDateTime::currentDateTime().addMSecs(-3597500));
    bubble.setActivity(record, {});
    QCOMPARE(bubble.timeStamp(), QStringLiteral("59 minutes ago"));
    bubble.setTimeStamp(s_stale);
    tick(timer->hourTimer());
    QCOMPARE(bubble.timeStamp(), s_stale);

    QTRY_VERIFY(ageOf(bubble) >= 3600);
    tick(timer->minuteTimer());
    QCOMPARE(bubble.timeStamp(), QStringLiteral("1 hour ago"));

    bubble.setTimeStamp(s_stale);
    tick(timer->minuteTimer());
    tick(timer->dayTimer());
    QCOMPARE(bubble.timeStamp(), s_stale);
    tick(timer->hourTimer());
    QCOMPARE(bubble.timeStamp(), QStringLiteral("1 hour ago"));
}

void tst_ActivityTimer::clearedBubbleTicksToAnEmptyStamp()
{
    ActivityBubble bubble;
    bubble.setActivity(activity("x1", "text"), {});
    bubble.clear();
    bubble.setTimeStamp(s_stale);
    tick(ActivityTimer::instance()->minuteTimer());
    QVERIFY(bubble.timeStamp().isEmpty());

    // Nothing to count, so no more ticks.
    bubble.setTimeStamp(s_stale);
    tick(ActivityTimer::instance()->minuteTimer());
    QCOMPARE(bubble.timeStamp(), s_stale);
}

void tst_ActivityTimer::listenersOfATickShareItsMoment()
{
    ActivityTimer *timer = ActivityTimer::instance();
    for (QTimer *ticking : timersOf(*timer)) {
        QDateTime heard;
        const QMetaObject::Connection listener =
            connect(ticking, &QTimer::timeout, [&] { heard = timer->tickTime(); });
        const QDateTime before = QDateTime::currentDateTime();
        tick(ticking);
        const QDateTime after = QDateTime::currentDateTime();
        disconnect(listener);
        // Taken at this tick, before its listeners hear it.
        QVERIFY(heard.isValid());
        QVERIFY(before <= heard && heard <= after);
        QCOMPARE(timer->tickTime(), heard);
    }
}

DAVOVADEZED_TEST_MAIN(tst_ActivityTimer)
#include "tst_activitytimer.moc"
