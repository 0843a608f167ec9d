#include "sociallikeactivityrequest.h"

#include "socialdatastore.h"
#include "socialprovidermanager.h"

SocialLikeActivityRequest::SocialLikeActivityRequest(const QString &activityId, bool like,
                                                     QObject *parent)
    : SocialDataRequest(parent), m_activityId(activityId), m_like(like)
{
}

QString SocialLikeActivityRequest::activityId() const
{
    return m_activityId;
}

bool SocialLikeActivityRequest::like() const
{
    return m_like;
}

void SocialLikeActivityRequest::execute(SocialDataStore &store)
{
    const SocialDataStore::Key key = findNamedActivity(store, m_activityId, QStringLiteral("like"));
    if (key.first.isEmpty())
        return;
    SocialDataStore::StoredActivity &stored = store.m_activities[key];
    SocialActivity &activity = stored.activity;
    if (activity.variantProperty(SocialActivity::IsLikedByMe).toBool() == m_like)
        return;

    QList<QString> changed{SocialActivity::IsLikedByMe};
    activity.setProperty(SocialActivity::IsLikedByMe, m_like);
    const uint likeCount = activity.variantProperty(SocialActivity::LikeCount).toUInt();
    if (m_like || likeCount > 0) {
        activity.setProperty(SocialActivity::LikeCount, m_like ? likeCount + 1 : likeCount - 1);
        changed.append(SocialActivity::LikeCount);
    }
    const QString profileId = store.account(key.first).property(SocialServiceAccount::ProfileId);
    if (!profileId.isEmpty()) {
        stored.likers.removeAll(profileId);
        if (m_like)
            stored.likers.append(profileId);
    }
    emit store.m_manager->activityUpdate({activity}, changed, stored.timeline);
}
