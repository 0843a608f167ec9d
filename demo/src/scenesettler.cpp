#include "scenesettler.h"

#include <activitybubble.h>
#include <avatarwidget.h>
#include <contactresolver.h>
#include <socialdatarequest.h>
#include <socialprovidermanager.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGraphicsScene>
#include <QTimer>

namespace {

// How often the state is looked at while nothing else wakes the loop.
const int s_pollInterval = 20;

} // namespace

SceneSettler::SceneSettler(QGraphicsScene *scene, QObject *parent) : QObject(parent), m_scene(scene)
{
    connect(SocialProviderManager::instance(), &SocialProviderManager::requestPerformed, this,
            &SceneSettler::onRequestPerformed);
    connect(ContactResolver::instance(), &ContactResolver::error, this,
            [this](const QString &personId) { m_unknownPersons.insert(personId); });
}

void SceneSettler::onRequestPerformed(SocialDataRequest *request)
{
    m_outstanding.insert(request);
    auto done = [this, request] { m_outstanding.remove(request); };
    connect(request, &SocialDataRequest::finished, this, done);
    // A listener may delete a request before it finishes.
    connect(request, &QObject::destroyed, this, done);
}

bool SceneSettler::contactsResolved() const
{
    for (QGraphicsItem *item : m_scene->items()) {
        auto *bubble = qobject_cast<ActivityBubble *>(item->toGraphicsObject());
        if (!bubble || !bubble->isVisible())
            continue;
        const SocialActivity activity = bubble->activity();
        if (activity.id().isEmpty())
            continue;
        if (bubble->contact().isEmpty() &&
            !m_unknownPersons.contains(activity.property(SocialActivity::OwnerPersonId)))
            return false;
        // Asking for the picture starts its decoding.
        const auto *avatar = qobject_cast<const AvatarWidget *>(bubble->avatar());
        if (avatar && avatar->avatarPixmap().isNull() && avatar->isPictureArriving())
            return false;
    }
    return true;
}

bool SceneSettler::wait(const std::function<bool()> &ready, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    QEventLoop loop;
    QTimer poll;
    bool settled = false;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        settled = m_outstanding.isEmpty() && ready() && contactsResolved();
        if (settled || elapsed.hasExpired(timeoutMs))
            loop.quit();
    });
    poll.start(s_pollInterval);
    loop.exec();
    return settled;
}
