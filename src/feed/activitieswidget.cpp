#include "activitieswidget.h"

#include "activitieswidget_p.h"
#include "logging.h"

#include <QPointer>

ActivitiesWidget::ActivitiesWidget(unsigned int maxSize, UxWidget *parent)
    : UxWidget(parent), m_d(new ActivitiesWidgetPrivate(maxSize, Qt::DescendingOrder, this))
{
    m_d->init();
}

ActivitiesWidget::ActivitiesWidget(int maxSize, Qt::SortOrder sortOrder, UxWidget *parent)
    : UxWidget(parent), m_d(new ActivitiesWidgetPrivate(quint32(qMax(maxSize, 0)), sortOrder, this))
{
    m_d->init();
}

ActivitiesWidget::~ActivitiesWidget()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    delete m_d;
    m_d = nullptr;
}

unsigned int ActivitiesWidget::maxSize() const
{
    return m_d->m_maxSize;
}

quint32 ActivitiesWidget::count() const
{
    return m_d->itemCount();
}

SocialActivity ActivitiesWidget::activityAt(unsigned int index) const
{
    return m_d->activityAt(index);
}

void ActivitiesWidget::push(const SocialActivity &activity, const QList<QString> &updatedProps)
{
    m_d->push(activity, updatedProps);
}

void ActivitiesWidget::pushActivities(const QList<SocialActivity> &activities)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << activities.count() << "activities";
    // Each push may tell the application, which may delete the feed.
    const QPointer<ActivitiesWidgetPrivate> alive(m_d);
    for (const SocialActivity &activity : activities) {
        if (!alive)
            return;
        alive->push(activity, QList<QString>());
    }
}

void ActivitiesWidget::setActivities(const QList<SocialActivity> &activities)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    pushActivities(activities);
}

void ActivitiesWidget::refreshFeeds(unsigned int limit) const
{
    m_d->refreshFeeds(limit);
}

void ActivitiesWidget::listenToActivityUpdates(bool listen) const
{
    m_d->listenToActivityUpdates(listen);
}

void ActivitiesWidget::clear()
{
    m_d->clear();
}

void ActivitiesWidget::cleanActivitiesByAccounts(const QStringList &accountIds)
{
    m_d->cleanActivitiesByAccounts(accountIds);
}

const QDateTime &ActivitiesWidget::mostRecentActivityTimestamp() const
{
    return m_d->m_mostRecentActivityTimestamp;
}

const QDateTime &ActivitiesWidget::oldestActivityTimestamp() const
{
    return m_d->m_oldestActivityTimestamp;
}

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
