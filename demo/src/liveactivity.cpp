#include "liveactivity.h"

#include <socialdatastore.h>
#include <socialprovidermanager.h>

#include <QDateTime>

namespace {

const char *const s_messages[] = {
    "Just landed, what a flight!",
    "Lunch at the new place on the corner: www.example.com/lunch",
    "Who else is watching the match tonight?",
    "New blog post: https://blog.example.org/posts/live-feeds",
    "Rainy afternoon, perfect for reading.",
    "Found my old camera in the attic. Film still inside!",
};
const int s_messageCount = int(sizeof(s_messages) / sizeof(s_messages[0]));
// Likes go to one of the newest posts.
const int s_likeCandidates = 5;

SocialDataStore *store()
{
    return SocialProviderManager::instance()->store();
}

// The persons of an account other than the user.
QList<SocialNetworkPerson> friendsOn(const SocialServiceAccount &account)
{
    const QString ownId = account.property(SocialServiceAccount::ProfileId);
    QList<SocialNetworkPerson> friends;
    for (const SocialNetworkPerson &person : store()->persons(account.id())) {
        if (person.id() != ownId)
            friends.append(person);
    }
    return friends;
}

} // namespace

LiveActivity::LiveActivity(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &LiveActivity::tick);
}

void LiveActivity::start(int intervalMs)
{
    m_timer.start(intervalMs);
}

void LiveActivity::tick()
{
    // Likes are more common than posts.
    if (m_ticks++ % 3 == 0)
        postActivity();
    else
        addLike();
}

void LiveActivity::postActivity()
{
    const QList<SocialServiceAccount> accounts = store()->accounts();
    if (accounts.isEmpty())
        return;
    const SocialServiceAccount account = accounts.at(m_ticks % accounts.size());
    const QList<SocialNetworkPerson> friends = friendsOn(account);
    if (friends.isEmpty())
        return;

    SocialActivity activity;
    activity.setProperty(SocialActivity::Id, QStringLiteral("live-%1").arg(m_ticks));
    activity.setProperty(SocialActivity::ParentAccount, account.id());
    activity.setProperty(SocialActivity::ActivityType, int(SocialActivity::Post));
    activity.setProperty(SocialActivity::OwnerPersonId, friends.at(m_ticks % friends.size()).id());
    activity.setProperty(SocialActivity::Description,
                         QString::fromUtf8(s_messages[m_ticks % s_messageCount]));
    activity.setProperty(SocialActivity::StartTime, QDateTime::currentDateTimeUtc());
    activity.setProperty(SocialActivity::CommentCount, 0u);
    activity.setProperty(SocialActivity::LikeCount, 0u);
    activity.setProperty(SocialActivity::IsLikedByMe, false);
    store()->updateActivities({activity});
}

void LiveActivity::addLike()
{
    QList<SocialActivity> posts;
    for (const SocialActivity &activity : store()->activities()) {
        if (activity.variantProperty(SocialActivity::ActivityType).toInt() == SocialActivity::Post)
            posts.append(activity);
        if (posts.size() == s_likeCandidates)
            break;
    }
    if (posts.isEmpty())
        return;
    SocialActivity liked = posts.at(m_ticks % posts.size());

    // A friend who does not like it yet joins the likers, when there is one.
    QStringList likers = store()->likers(liked.parentAccount(), liked.id());
    for (const SocialNetworkPerson &person : friendsOn(store()->account(liked.parentAccount()))) {
        if (!likers.contains(person.id())) {
            likers.append(person.id());
            store()->setLikers(liked.parentAccount(), liked.id(), likers);
            break;
        }
    }
    liked.setProperty(SocialActivity::LikeCount,
                      liked.variantProperty(SocialActivity::LikeCount).toUInt() + 1);
    store()->updateActivities({liked}, {SocialActivity::LikeCount});
}
