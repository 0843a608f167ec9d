#include "activitytimer.h"

#include "logging.h"

#include <uxapplication.h>
#include <uxapplicationwindow.h>

namespace {

const int s_dayInterval = 86400000;
const int s_hourInterval = 3600000;
const int s_minuteInterval = 60000;

void startIfIdle(QTimer *timer, int interval)
{
    // A running timer keeps its phase.
    if (!timer->isActive())
        timer->start(interval);
}

} // namespace

ActivityTimer *ActivityTimer::s_instance = nullptr;

ActivityTimer *ActivityTimer::instance()
{
    if (!s_instance)
        s_instance = new ActivityTimer(UxApplication::instance());
    return s_instance;
}

ActivityTimer::ActivityTimer(QObject *parent)
    : QObject(parent), m_dayTimer(new QTimer(this)), m_hourTimer(new QTimer(this)),
      m_minuteTimer(new QTimer(this))
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    // Connected before any bubble listens, so it runs first on every tick.
    for (QTimer *timer : {m_dayTimer, m_hourTimer, m_minuteTimer})
        connect(timer, &QTimer::timeout, this,
                [this] { m_tickTime = QDateTime::currentDateTime(); });
    setApplicationWindow(UxApplication::activeApplicationWindow());
}

ActivityTimer::~ActivityTimer()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    if (s_instance == this)
        s_instance = nullptr;
}

void ActivityTimer::setApplicationWindow(UxApplicationWindow *window)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    if (m_window) {
        disconnect(m_window, &UxApplicationWindow::displayEntered, this, &ActivityTimer::start);
        disconnect(m_window, &UxApplicationWindow::displayExited, this, &ActivityTimer::stop);
    }
    disconnect(m_windowGone);
    m_window = window;

    if (window) {
        connect(window, &UxApplicationWindow::displayEntered, this, &ActivityTimer::start);
        connect(window, &UxApplicationWindow::displayExited, this, &ActivityTimer::stop);
        // When the watched window goes, the ticks follow the window the user
        // sees next instead of running on for nobody or stopping for good.
        // The window is half destroyed by now: forgotten without being
        // touched.
        m_windowGone = connect(window, &QObject::destroyed, this, [this] {
            m_window.clear();
            setApplicationWindow(UxApplication::activeApplicationWindow());
        });
        if (window->isOnDisplay()) {
            start();
            return;
        }
    }
    stop();
}

QTimer *ActivityTimer::dayTimer() const
{
    return m_dayTimer;
}

QTimer *ActivityTimer::hourTimer() const
{
    return m_hourTimer;
}

QTimer *ActivityTimer::minuteTimer() const
{
    return m_minuteTimer;
}

QDateTime ActivityTimer::tickTime() const
{
    return m_tickTime;
}

void ActivityTimer::start()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    startIfIdle(m_dayTimer, s_dayInterval);
    startIfIdle(m_hourTimer, s_hourInterval);
    startIfIdle(m_minuteTimer, s_minuteInterval);
}

void ActivityTimer::stop()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    m_dayTimer->stop();
    m_hourTimer->stop();
    m_minuteTimer->stop();
}
