#ifndef SCENESETTLER_H
#define SCENESETTLER_H

#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

class QGraphicsScene;
class SocialDataRequest;

// Tells when a scene has caught up with what was asked of it: every provider
// request started since construction has finished, and the sender of every
// shown bubble has been looked up in the address book (found or not).
class SceneSettler : public QObject
{
    Q_OBJECT
public:
    // Create before starting what is waited for, so that its requests count.
    explicit SceneSettler(QGraphicsScene *scene, QObject *parent = nullptr);

    // Runs the event loop until the scene is settled and ready() holds, or
    // until the timeout; returns whether it settled. No fixed delay is
    // involved: the state is checked as events come in.
    bool wait(const std::function<bool()> &ready, int timeoutMs);

private:
    void onRequestPerformed(SocialDataRequest *request);
    bool contactsResolved() const;

    QGraphicsScene *m_scene;
    QSet<const QObject *> m_outstanding;
    QSet<QString> m_unknownPersons;
};

#endif // SCENESETTLER_H
