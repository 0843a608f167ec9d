#include "activitieswidget.h"

#include "activitieswidget_p.h"

void ActivitiesWidget::setTimelineFilter(SocialProviderTimeline::TimelineType timeline)
{
    m_d->m_timelineFilter = timeline;
}

SocialProviderTimeline::TimelineType ActivitiesWidget::timelineFilter() const
{
    return m_d->m_timelineFilter;
}

void ActivitiesWidget::setActivityTypeFilter(SocialActivity::Type type)
{
    m_d->m_activityTypeFilter = type;
}

SocialActivity::Type ActivitiesWidget::activityTypeFilter() const
{
    return m_d->m_activityTypeFilter;
}

void ActivitiesWidget::setParentActivityIdFilter(const QString &parentActivityId)
{
    m_d->m_parentActivityIdFilter = parentActivityId;
}

const QString &ActivitiesWidget::parentActivityIdFilter() const
{
    return m_d->m_parentActivityIdFilter;
}

void ActivitiesWidget::setAccountsFilter(const QStringList &accountIds)
{
    m_d->m_accountsFilter = accountIds;
}

const QStringList &ActivitiesWidget::accountsFilter() const
{
    return m_d->m_accountsFilter;
}

void ActivitiesWidget::setOwnerPersonsFilter(const QStringList &personIds)
{
    m_d->m_ownerPersonsFilter = personIds;
}

const QStringList &ActivitiesWidget::ownerPersonsFilter() const
{
    return m_d->m_ownerPersonsFilter;
}

void ActivitiesWidget::setReceiverPersonsFilter(const QStringList &personIds)
{
    m_d->m_receiverPersonsFilter = personIds;
}

const QStringList &ActivitiesWidget::receiverPersonsFilter() const
{
    return m_d->m_receiverPersonsFilter;
}

void ActivitiesWidget::setBeforeFilter(const QDateTime &before)
{
    m_d->m_beforeFilter = before;
}

const QDateTime &ActivitiesWidget::beforeFilter() const
{
    return m_d->m_beforeFilter;
}

void ActivitiesWidget::setAfterFilter(const QDateTime &after)
{
    m_d->m_afterFilter = after;
}

const QDateTime &ActivitiesWidget::afterFilter() const
{
    return m_d->m_afterFilter;
}

void ActivitiesWidget::discardOwnActivities(bool discard)
{
    m_d->m_discardOwnActivities = discard;
}
