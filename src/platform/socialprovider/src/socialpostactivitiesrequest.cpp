#include "socialpostactivitiesrequest.h"

#include "socialdatastore.h"
#include "socialprovidermanager.h"

#include <QDateTime>

SocialPostActivitiesRequest::SocialPostActivitiesRequest(SocialActivity::Type type,
                                                         const QString &text,
                                                         const QString &parentActivityId,
                                                         QObject *parent)
    : SocialDataRequest(parent), m_type(type), m_text(text), m_parentActivityId(parentActivityId)
{
}

SocialActivity::Type SocialPostActivitiesRequest::type() const
{
    return m_type;
}

QString SocialPostActivitiesRequest::text() const
{
    return m_text;
}

QString SocialPostActivitiesRequest::parentActivityId() const
{
    return m_parentActivityId;
}

QString SocialPostActivitiesRequest::postId() const
{
    return m_postId;
}

void SocialPostActivitiesRequest::execute(SocialDataStore &store)
{
    const bool comment = m_type == SocialActivity::Comment;
    if (m_type != SocialActivity::Post && m_type != SocialActivity::Photo && !comment) {
        addError(SocialProviderError::InvalidRequest,
                 QStringLiteral("Cannot post an activity of type %1").arg(int(m_type)));
        return;
    }
    if (m_text.simplified().isEmpty()) {
        addError(SocialProviderError::InvalidRequest, QStringLiteral("Will not post a blank text"));
        return;
    }
    if (comment && m_parentActivityId.isEmpty()) {
        addError(SocialProviderError::InvalidRequest,
                 QStringLiteral("A comment needs the id of the activity it comments on"));
        return;
    }

    QString accountId;
    if (!accounts().isEmpty()) {
        accountId = accounts().constFirst().id();
    } else if (comment) {
        accountId = store.findActivity(m_parentActivityId, accounts()).first;
        if (accountId.isEmpty()) {
            addError(SocialProviderError::NotFound,
                     QStringLiteral("No activity \"%1\" to comment on").arg(m_parentActivityId));
            return;
        }
    } else if (!store.m_accounts.isEmpty()) {
        accountId = store.m_accounts.constFirst().id();
    }
    const SocialServiceAccount account = store.account(accountId);
    if (accountId.isEmpty() || account.isEmpty()) {
        addError(SocialProviderError::NotFound,
                 QStringLiteral("No account \"%1\" to post on").arg(accountId));
        return;
    }

    SocialDataStore::StoredActivity *parent = nullptr;
    if (comment) {
        const auto it =
            store.m_activities.find(SocialDataStore::Key(accountId, m_parentActivityId));
        if (it == store.m_activities.end()) {
            addError(SocialProviderError::NotFound,
                     QStringLiteral("No activity \"%1\" on account \"%2\" to comment on")
                         .arg(m_parentActivityId, accountId));
            return;
        }
        parent = &*it;
    }
    const SocialProviderTimeline::TimelineType timeline =
        parent ? parent->timeline : SocialProviderTimeline::NoTimeline;

    SocialActivity activity;
    activity.setProperty(SocialActivity::Id, store.freshActivityId(accountId));
    activity.setProperty(SocialActivity::ParentAccount, accountId);
    activity.setProperty(SocialActivity::ActivityType, int(m_type));
    activity.setProperty(SocialActivity::Description, m_text);
    activity.setProperty(SocialActivity::OwnerPersonId,
                         account.property(SocialServiceAccount::ProfileId));
    if (comment)
        activity.setProperty(SocialActivity::ParentActivityId, m_parentActivityId);
    activity.setProperty(SocialActivity::StartTime, QDateTime::currentDateTimeUtc());
    activity.setProperty(SocialActivity::CommentCount, 0u);
    activity.setProperty(SocialActivity::LikeCount, 0u);
    activity.setProperty(SocialActivity::IsLikedByMe, false);

    // Taken before the insertion below, which may move the parent's record.
    SocialActivity parentActivity;
    if (parent) {
        parent->activity.setProperty(
            SocialActivity::CommentCount,
            parent->activity.variantProperty(SocialActivity::CommentCount).toUInt() + 1);
        parentActivity = parent->activity;
    }
    store.m_activities.insert(SocialDataStore::Key(accountId, activity.id()),
                              SocialDataStore::StoredActivity{activity, timeline, QStringList()});
    m_postId = activity.id();

    emit store.m_manager->activityUpdate({activity}, QList<QString>(), timeline);
    if (parent)
        emit store.m_manager->activityUpdate({parentActivity}, {SocialActivity::CommentCount},
                                             timeline);
}
