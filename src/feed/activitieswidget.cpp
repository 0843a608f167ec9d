#include "activitieswidget.h"

#include "activitieswidget_p.h"
#include "logging.h"

#include <uxlayout.h>

#include <QPointer>

ActivitiesWidget::ActivitiesWidget(unsigned int maxSize, UxWidget *parent)
    : UxWidget(parent), m_d(new ActivitiesWidgetPrivate(maxSize, Qt::DescendingOrder, this))
{
    setUp();
}

ActivitiesWidget::ActivitiesWidget(int maxSize, Qt::SortOrder sortOrder, UxWidget *parent)
    : UxWidget(parent), m_d(new ActivitiesWidgetPrivate(quint32(qMax(maxSize, 0)), sortOrder, this))
{
    setUp();
}

void ActivitiesWidget::setUp()
{
    qCDebug(lcDavovadezed) << DAVOVADEZED_NAME << DAVOVADEZED_VERSION;
    connect(m_d, &ActivitiesWidgetPrivate::itemCountChanged, this,
            &ActivitiesWidget::itemCountChanged);
    setObjectName(QStringLiteral("ActivitiesWidget"));
    setLayout(m_d->m_layout);
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
