#include "activitybubble.h"
#include "activitybubble_p.h"
#include "activitytimer.h"

#include <uxlocale.h>

#include <QDateTime>
#include <cmath>

namespace {

const qint64 s_minute = 60;
const qint64 s_hour = 3600;
const qint64 s_day = 86400;

// floor(seconds / unit), in single precision as the texts have always been
// counted.
int wholeUnits(qint64 seconds, qint64 unit)
{
    return static_cast<int>(std::floor(static_cast<float>(seconds) / static_cast<float>(unit)));
}

// Without the catalog the ids themselves show, and they have no place for
// the value.
QString fill(const QString &text, const QString &value)
{
    return text.contains(QLatin1Char('%')) ? text.arg(value) : text;
}

} // namespace

QString ActivityBubblePrivate::timeAgo(const QDateTime &dateTime)
{
    return timeAgo(dateTime, QDateTime::currentDateTime());
}

QString ActivityBubblePrivate::timeAgo(const QDateTime &dateTime, const QDateTime &now)
{
    const UxLocale locale;
    const qint64 seconds = dateTime.secsTo(now);

    if (seconds < 2 * s_minute)
        //% "Just now"
        return qtTrId("qtn_actv_time");
    if (seconds < s_hour) {
        const int minutes = wholeUnits(seconds, s_minute);
        //% "%1 minutes ago"
        return fill(qtTrId("qtn_actv_time_minutes_ago", minutes), locale.formatNumber(minutes));
    }
    if (seconds < 2 * s_hour)
        //% "1 hour ago"
        return qtTrId("qtn_actv_time_hour_ago");
    if (seconds < s_day) {
        const int hours = wholeUnits(seconds, s_hour);
        //% "%1 hours ago"
        return fill(qtTrId("qtn_actv_time_more_hour_ago", hours), locale.formatNumber(hours));
    }
    if (seconds < 2 * s_day) {
        const UxLocale timeLocale;
        //% "Yesterday %1"
        return fill(qtTrId("qtn_comm_time_yesterday"),
                    timeLocale.formatDateTime(dateTime, UxLocale::DateNone, UxLocale::TimeShort));
    }
    // Formatted, then read back on purpose: the plural form follows the
    // number as the text shows it, and a locale whose digits do not read
    // back as a plain number gets the catalog's form for 0.
    const QString days = locale.formatNumber(dateTime.daysTo(now));
    bool plain = false;
    const int count = days.toInt(&plain, 10);
    //% "%1 days ago"
    return fill(qtTrId("qtn_comm_time_day_ago", plain ? count : 0), days);
}

void ActivityBubblePrivate::onActivityTimer()
{
    const QDateTime start = m_activity.variantProperty(SocialActivity::StartTime).toDateTime();
    // A cleared bubble, or an activity without a start time, has nothing to
    // count and nothing to refresh.
    if (!start.isValid()) {
        disconnectTimers();
        m_stampAge = -1;
        m_owner->setTimeStamp(QString());
        return;
    }
    // A tick counts from its own moment, the same for every bubble it
    // reaches; the clock is read once either way.
    ActivityTimer *timer = ActivityTimer::instance();
    const QObject *from = sender();
    const bool ticked = from && (from == timer->minuteTimer() || from == timer->hourTimer() ||
                                 from == timer->dayTimer());
    const QDateTime now =
        ticked && timer->tickTime().isValid() ? timer->tickTime() : QDateTime::currentDateTime();
    const qint64 age = start.secsTo(now);

    // The text follows from the age, the start as written and today's date:
    // a refresh that finds them as they were (the contact answer just after
    // the push) finds the text it would write and the timer it follows
    // already there.
    const bool sameStart = start == m_stampStart && start.timeSpec() == m_stampStart.timeSpec() &&
                           start.offsetFromUtc() == m_stampStart.offsetFromUtc();
    if (age == m_stampAge && sameStart && now.date() == m_stampDate &&
        m_owner->timeStamp() == m_stamp)
        return;
    disconnectTimers();
    m_stamp = timeAgo(start, now);
    m_stampAge = age;
    m_stampStart = start;
    m_stampDate = now.date();
    m_owner->setTimeStamp(m_stamp);

    QTimer *tick = age < s_hour  ? timer->minuteTimer()
                   : age < s_day ? timer->hourTimer()
                                 : timer->dayTimer();
    connect(tick, &QTimer::timeout, this, &ActivityBubblePrivate::onActivityTimer);
}

void ActivityBubblePrivate::disconnectTimers()
{
    ActivityTimer *timer = ActivityTimer::instance();
    disconnect(timer->dayTimer(), &QTimer::timeout, this, &ActivityBubblePrivate::onActivityTimer);
    disconnect(timer->hourTimer(), &QTimer::timeout, this, &ActivityBubblePrivate::onActivityTimer);
    disconnect(timer->minuteTimer(), &QTimer::timeout, this,
               &ActivityBubblePrivate::onActivityTimer);
}
