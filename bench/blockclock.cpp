#include "blockclock.h"

#include "feedscene.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <ctime>

namespace {

// Idle means this long without an event on this thread...
const qint64 s_quietNs = 300 * 1000 * 1000;
// ...and less than this much processor time in all threads together.
const qint64 s_quietCpuNs = 20 * 1000 * 1000;

qint64 processCpuNs()
{
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

BlockClock::BlockClock()
{
    QCoreApplication::instance()->installEventFilter(this);
}

BlockClock::~BlockClock()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void BlockClock::settle()
{
    QElapsedTimer quiet;
    quiet.start();
    qint64 cpuAtQuiet = processCpuNs();
    for (;;) {
        const quint64 events = m_events;
        time(FeedScene::settle);
        const qint64 cpu = processCpuNs();
        if (m_events != events || cpu - cpuAtQuiet > s_quietCpuNs) {
            quiet.restart();
            cpuAtQuiet = cpu;
        } else if (quiet.nsecsElapsed() >= s_quietNs) {
            return;
        } else {
            QThread::msleep(1);
        }
    }
}

double BlockClock::worstMs() const
{
    return m_worstNs / 1e6;
}

int BlockClock::paintEvents() const
{
    return m_paints;
}

bool BlockClock::eventFilter(QObject *, QEvent *event)
{
    ++m_events;
    if (event->type() == QEvent::Paint)
        ++m_paints;
    return false;
}

void BlockClock::note(qint64 ns)
{
    m_worstNs = qMax(m_worstNs, ns);
}
