#ifndef ACTIVITYTIMER_H
#define ACTIVITYTIMER_H

#include "davovadezed_global.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class UxApplicationWindow;

// The three shared ticks (a day, an hour, a minute) that keep the bubbles'
// time stamps current. They run only while the watched application window is
// on display.
class DAVOVADEZED_EXPORT ActivityTimer : public QObject
{
    Q_OBJECT
public:
    static ActivityTimer *instance();

    explicit ActivityTimer(QObject *parent = nullptr);
    ~ActivityTimer() override;

    void setApplicationWindow(UxApplicationWindow *window);

    QTimer *dayTimer() const;
    QTimer *hourTimer() const;
    QTimer *minuteTimer() const;

public slots:
    void start();
    void stop();

private:
    Q_DISABLE_COPY(ActivityTimer)
    static ActivityTimer *s_instance;

    QTimer *m_dayTimer;
    QTimer *m_hourTimer;
    QTimer *m_minuteTimer;
    QPointer<UxApplicationWindow> m_window;
    QMetaObject::Connection m_windowGone;
};

#endif // ACTIVITYTIMER_H
