#include "activitieswidget_p.h"

#include "activitybubble.h"
#include "logging.h"

#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>

ActivitiesWidgetPrivate::ActivityKey ActivitiesWidgetPrivate::keyOf(const SocialActivity &activity)
{
    return ActivityKey(activity.parentAccount(), activity.id());
}

QDateTime ActivitiesWidgetPrivate::startTimeOf(const SocialActivity &activity)
{
    return activity.variantProperty(SocialActivity::StartTime).toDateTime();
}

int ActivitiesWidgetPrivate::firstBubbleIndex() const
{
    return m_spinnerShown ? 1 : 0;
}

ActivityBubble *ActivitiesWidgetPrivate::bubbleAt(int listIndex) const
{
    QGraphicsItem *item = m_policy->itemAt(listIndex)->graphicsItem();
    return item ? qobject_cast<ActivityBubble *>(item->toGraphicsObject()) : nullptr;
}

quint32 ActivitiesWidgetPrivate::itemCount() const
{
    return quint32(m_policy->count() - firstBubbleIndex());
}

SocialActivity ActivitiesWidgetPrivate::activityAt(quint32 index) const
{
    if (index >= itemCount())
        return SocialActivity();
    const ActivityBubble *bubble = bubbleAt(int(index) + firstBubbleIndex());
    return bubble ? bubble->activity() : SocialActivity();
}

SocialActivity ActivitiesWidgetPrivate::activity(const QString &accountId,
                                                 const QString &activityId) const
{
    return m_activities.value(ActivityKey(accountId, activityId));
}

ActivityBubble *ActivitiesWidgetPrivate::activityItem(const QString &accountId,
                                                      const QString &activityId) const
{
    for (int i = firstBubbleIndex(); i < m_policy->count(); ++i) {
        ActivityBubble *bubble = bubbleAt(i);
        if (!bubble)
            continue;
        const SocialActivity shown = bubble->activity();
        if (shown.parentAccount() == accountId && shown.id() == activityId)
            return bubble;
    }
    return nullptr;
}

int ActivitiesWidgetPrivate::insertionIndex(const SocialActivity &activity) const
{
    const QDateTime start = startTimeOf(activity);
    int index = firstBubbleIndex();
    for (; index < m_policy->count(); ++index) {
        const ActivityBubble *bubble = bubbleAt(index);
        if (!bubble)
            continue;
        const bool earlier = start < startTimeOf(bubble->activity());
        // Among equal start times the latest push goes nearest the top in
        // descending order and nearest the bottom in ascending order.
        if (m_sortOrder == Qt::DescendingOrder ? !earlier : earlier)
            return index;
    }
    return index;
}

void ActivitiesWidgetPrivate::updateTimestamps(const SocialActivity &activity)
{
    const QDateTime start = startTimeOf(activity);
    // A missing start time says nothing about the range; taken as a time it
    // would sort before every other and erase the oldest time stamp.
    if (!start.isValid())
        return;
    if (m_mostRecentActivityTimestamp.isNull() || m_mostRecentActivityTimestamp < start)
        m_mostRecentActivityTimestamp = start;
    if (m_oldestActivityTimestamp.isNull() || start < m_oldestActivityTimestamp)
        m_oldestActivityTimestamp = start;
}

void ActivitiesWidgetPrivate::push(const SocialActivity &activity,
                                   const QList<QString> &updatedProps)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << activity.id()
                           << activity.property(SocialActivity::OwnerPersonId) << updatedProps;
    if (activity.id().isEmpty()) {
        qCWarning(lcDavovadezed) << "Will not push an activity with empty ID";
        return;
    }
    updateTimestamps(activity);
    const quint32 oldCount = itemCount();

    const SocialActivity known = this->activity(activity.parentAccount(), activity.id());
    if (known.parentAccount() == activity.parentAccount() && known.id() == activity.id()) {
        if (ActivityBubble *bubble = activityItem(activity.parentAccount(), activity.id())) {
            bubble->setActivity(activity, updatedProps);
            const SocialActivity shown = bubble->activity();
            m_activities.insert(keyOf(shown), shown);
        }
    } else {
        // Placed before it is filled: content set on a bubble in the list
        // waits for the list's next layout pass to be measured, once, at
        // the list's width.
        auto *bubble = new ActivityBubble;
        if (itemCount() == 0)
            m_policy->addItem(bubble);
        else
            m_policy->insertItem(insertionIndex(activity), bubble);
        bubble->setActivity(activity, QList<QString>());
        connect(bubble, &ActivityBubble::avatarClicked, this,
                &ActivitiesWidgetPrivate::onAvatarClicked);
        connect(bubble, &ActivityBubble::bubbleClicked, this,
                &ActivitiesWidgetPrivate::onBubbleClicked);
        m_activities.insert(keyOf(activity), activity);

        if (m_maxSize != 0 && itemCount() > m_maxSize) {
            ActivityBubble *last = bubbleAt(m_policy->count() - 1);
            m_activities.remove(keyOf(last->activity()));
            m_layout->removeItem(last);
        }
    }

    if (itemCount() != oldCount)
        emit itemCountChanged(itemCount());
}

void ActivitiesWidgetPrivate::clear()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << int(m_spinnerShown);
    const int first = firstBubbleIndex();
    while (m_policy->count() > first)
        m_layout->removeItem(m_policy->itemAt(first));
    m_activities = QHash<ActivityKey, SocialActivity>();
    m_mostRecentActivityTimestamp = QDateTime();
    m_oldestActivityTimestamp = QDateTime();
}

void ActivitiesWidgetPrivate::cleanActivitiesByAccounts(const QStringList &accountIds)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    m_mostRecentActivityTimestamp = QDateTime();
    m_oldestActivityTimestamp = QDateTime();
    int index = firstBubbleIndex();
    while (index < m_policy->count()) {
        ActivityBubble *bubble = bubbleAt(index);
        if (!bubble) {
            ++index;
            continue;
        }
        const SocialActivity shown = bubble->activity();
        if (accountIds.contains(shown.parentAccount())) {
            m_activities.remove(keyOf(shown));
            m_layout->removeItem(bubble);
        } else {
            updateTimestamps(shown);
            ++index;
        }
    }
}
