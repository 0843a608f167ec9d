#ifndef LIVEACTIVITY_H
#define LIVEACTIVITY_H

#include <QObject>
#include <QTimer>

// Plays the network for the provider stand-in: every few seconds a friend
// posts something new or someone likes a recent post, reported through the
// provider's live updates so that the feed visibly stays current.
class LiveActivity : public QObject
{
    Q_OBJECT
public:
    explicit LiveActivity(QObject *parent = nullptr);

    void start(int intervalMs);

private:
    void tick();
    void postActivity();
    void addLike();

    QTimer m_timer;
    int m_ticks = 0;
};

#endif // LIVEACTIVITY_H
