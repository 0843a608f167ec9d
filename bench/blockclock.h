#ifndef BLOCKCLOCK_H
#define BLOCKCLOCK_H

#include <QElapsedTimer>
#include <QObject>

// The longest time the user-interface thread went without returning to its
// event loop: each timed call and each slice of event processing is one
// block. It watches every event the thread delivers, to tell when the
// event loop has gone idle.
class BlockClock : public QObject
{
public:
    BlockClock();
    ~BlockClock() override;

    // Runs the call as one block.
    template <typename Call> void time(Call call)
    {
        QElapsedTimer timer;
        timer.start();
        call();
        note(timer.nsecsElapsed());
    }
    // Runs the event loop one slice at a time until no event has been
    // delivered and no thread of the process has been busy for a while:
    // layouts, paints and pictures decoded elsewhere have all arrived.
    void settle();

    double worstMs() const;
    int paintEvents() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void note(qint64 ns);

    qint64 m_worstNs = 0;
    quint64 m_events = 0;
    int m_paints = 0;
};

#endif // BLOCKCLOCK_H
