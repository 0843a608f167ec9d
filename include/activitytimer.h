#ifndef ACTIVITYTIMER_H
#define ACTIVITYTIMER_H

#include "davovadezed_global.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QTimer>

class UxApplicationWindow;

/**
 * The three shared ticks (a day, an hour, a minute) that keep the bubbles'
 * time stamps current. They run only while the watched application window is
 * on display.
 *
 * Any number of bubbles share the three timers: each bubble listens to the
 * one that suits its activity's age, so no bubble owns a timer. While the
 * timers are stopped the bubbles simply get no ticks; on start() the ticks
 * resume at each timer's cadence, not at once.
 */
class DAVOVADEZED_EXPORT ActivityTimer : public QObject
{
    Q_OBJECT
public:
    /**
     * The shared timer. The first call creates it as a child of the
     * application object, which deletes it (without one it lives as long as
     * the process); the next call after that creates a new one.
     */
    static ActivityTimer *instance();

    /**
     * Three stopped timers, owned by this object, watching the active
     * application window if there is one: they start at once if it is on
     * display.
     */
    explicit ActivityTimer(QObject *parent = nullptr);
    /** Deletes the three timers with it. */
    ~ActivityTimer() override;

    /**
     * Watches another window: the timers run while it is on display and stop
     * when it leaves the display. A null window stops them. When the watched
     * window is destroyed, the application's active window is watched
     * instead.
     */
    void setApplicationWindow(UxApplicationWindow *window);

    /**
     * Fires once a day while running. Owned by this object; connect to its
     * @c timeout() signal, do not delete it.
     */
    QTimer *dayTimer() const;
    /** Fires once an hour while running; owned like dayTimer(). */
    QTimer *hourTimer() const;
    /** Fires once a minute while running; owned like dayTimer(). */
    QTimer *minuteTimer() const;

    /**
     * The moment of the latest tick of any of the three timers, read once
     * before the tick reaches its listeners, so that every bubble refreshed
     * by one tick counts from the same moment. Null before the first tick.
     */
    QDateTime tickTime() const;

public slots:
    /** Starts the timers that are stopped; a running one keeps its phase. */
    void start();
    /** Stops the three timers. */
    void stop();

private:
    Q_DISABLE_COPY(ActivityTimer)
    static ActivityTimer *s_instance;

    QTimer *m_dayTimer;
    QTimer *m_hourTimer;
    QTimer *m_minuteTimer;
    QPointer<UxApplicationWindow> m_window;
    QDateTime m_tickTime;
    QMetaObject::Connection m_windowGone;
};

#endif // ACTIVITYTIMER_H
