#include "socialgetactivitiesrequest.h"

#include "socialdatastore.h"

SocialGetActivitiesRequest::SocialGetActivitiesRequest(QObject *parent) : SocialDataRequest(parent)
{
}

void SocialGetActivitiesRequest::setTimelineType(SocialProviderTimeline::TimelineType type)
{
    m_timelineType = type;
}

void SocialGetActivitiesRequest::setActivityFilter(SocialActivity::Type type)
{
    m_activityFilter = type;
}

void SocialGetActivitiesRequest::setParentActivityIdFilter(const QString &parentActivityId)
{
    m_parentActivityId = parentActivityId;
}

void SocialGetActivitiesRequest::setPersonsFilter(const QStringList &personIds)
{
    m_persons = personIds;
}

void SocialGetActivitiesRequest::setBefore(const QDateTime &before)
{
    m_before = before;
}

void SocialGetActivitiesRequest::setAfter(const QDateTime &after)
{
    m_after = after;
}

void SocialGetActivitiesRequest::setLimit(int limit)
{
    m_limit = limit;
}

SocialActivity::Type SocialGetActivitiesRequest::activityFilter() const
{
    return m_activityFilter;
}

QString SocialGetActivitiesRequest::parentActivityIdFilter() const
{
    return m_parentActivityId;
}

QStringList SocialGetActivitiesRequest::personsFilter() const
{
    return m_persons;
}

QDateTime SocialGetActivitiesRequest::before() const
{
    return m_before;
}

QDateTime SocialGetActivitiesRequest::after() const
{
    return m_after;
}

int SocialGetActivitiesRequest::limit() const
{
    return m_limit;
}

QList<SocialActivity> SocialGetActivitiesRequest::activities() const
{
    return m_activities;
}

SocialProviderTimeline::TimelineType SocialGetActivitiesRequest::timelineType() const
{
    return m_timelineType;
}

void SocialGetActivitiesRequest::execute(SocialDataStore &store)
{
    m_activities.clear();
    for (auto it = store.m_activities.cbegin(); it != store.m_activities.cend(); ++it) {
        if (matches(it->activity, it->timeline))
            m_activities.append(it->activity);
    }
    SocialDataStore::sortNewestFirst(m_activities);
    if (m_limit > 0 && m_activities.size() > m_limit)
        m_activities.erase(m_activities.begin() + m_limit, m_activities.end());
}

bool SocialGetActivitiesRequest::matches(const SocialActivity &activity,
                                         SocialProviderTimeline::TimelineType timeline) const
{
    if (!coversAccount(activity.parentAccount()))
        return false;
    if (m_timelineType != SocialProviderTimeline::NoTimeline && timeline != m_timelineType)
        return false;
    const int type = activity.variantProperty(SocialActivity::ActivityType).toInt();
    if (m_activityFilter != SocialActivity::AnyType && type != SocialActivity::AnyType &&
        type != m_activityFilter)
        return false;
    if (!m_persons.isEmpty() &&
        !m_persons.contains(activity.property(SocialActivity::OwnerPersonId)) &&
        !m_persons.contains(activity.property(SocialActivity::ReceiverPersonId)))
        return false;
    // A null filter is unset; an empty one asks for activities without a parent.
    if (!m_parentActivityId.isNull() &&
        activity.property(SocialActivity::ParentActivityId) != m_parentActivityId)
        return false;
    // An activity of unknown time is neither before nor after anything.
    const QDateTime start = activity.variantProperty(SocialActivity::StartTime).toDateTime();
    if (!m_before.isNull() && !(start.isValid() && start < m_before))
        return false;
    if (!m_after.isNull() && !(start.isValid() && m_after < start))
        return false;
    return true;
}
