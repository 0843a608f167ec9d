#include "activitieswidget_p.h"

#include "activitybubble.h"
#include "logging.h"
#include "personstore.h"

#include <socialgetactivitiesrequest.h>
#include <socialprovidermanager.h>

#include <QPointer>

QList<SocialServiceAccount>
ActivitiesWidgetPrivate::applyRequestFilters(SocialGetActivitiesRequest *request,
                                             const char *caller) const
{
    if (m_timelineFilter != SocialProviderTimeline::NoTimeline) {
        qCDebug(lcDavovadezed) << caller << "  * setting timeline filter" << int(m_timelineFilter);
        request->setTimelineType(m_timelineFilter);
    }
    if (m_activityTypeFilter != SocialActivity::AnyType) {
        qCDebug(lcDavovadezed) << caller << "  * setting activity filter"
                               << int(m_activityTypeFilter);
        request->setActivityFilter(m_activityTypeFilter);
    }
    // The provider gets one persons list; owners and receivers are told
    // apart only locally.
    const QStringList persons = m_ownerPersonsFilter + m_receiverPersonsFilter;
    if (!persons.isEmpty()) {
        qCDebug(lcDavovadezed) << caller << "  * setting persons filter" << persons;
        request->setPersonsFilter(persons);
    }
    if (!m_parentActivityIdFilter.isNull()) {
        qCDebug(lcDavovadezed) << caller << "  * setting parent activity filter"
                               << m_parentActivityIdFilter;
        request->setParentActivityIdFilter(m_parentActivityIdFilter);
    }
    if (!m_beforeFilter.isNull()) {
        qCDebug(lcDavovadezed) << caller << "  * setting before filter" << m_beforeFilter;
        request->setBefore(m_beforeFilter);
    }
    if (!m_afterFilter.isNull()) {
        qCDebug(lcDavovadezed) << caller << "  * setting after filter" << m_afterFilter;
        request->setAfter(m_afterFilter);
    }

    QList<SocialServiceAccount> accounts;
    if (!m_accountsFilter.isEmpty()) {
        const SocialProviderManager *manager = SocialProviderManager::instance();
        for (const QString &accountId : m_accountsFilter)
            accounts.append(manager->account(accountId));
        qCDebug(lcDavovadezed) << caller << "  * setting accounts filter" << accounts.count();
    }
    return accounts;
}

// Fetched results and live updates take this one way in: the timeline gate,
// the sufficient-data test for activities not shown yet, then the rules.
void ActivitiesWidgetPrivate::onActivityUpdate(const QList<SocialActivity> &acts,
                                               const QList<QString> &updatedProps,
                                               SocialProviderTimeline::TimelineType timelineType)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << acts.count() << updatedProps << int(timelineType);
    if (!passesTimelineFilter(timelineType))
        return;

    // Each push may tell the application, which may delete the feed.
    const QPointer<ActivitiesWidgetPrivate> alive(this);
    for (const SocialActivity &act : acts) {
        if (!alive)
            return;
        const ActivityKey key = keyOf(act);
        SocialActivity candidate;
        if (!m_activities.contains(key)) {
            if (!ActivityBubble::activityHasSufficientData(act)) {
                qCDebug(lcDavovadezed)
                    << Q_FUNC_INFO << "  * dropping" << act.id() << "due to insufficient data";
                continue;
            }
            qCDebug(lcDavovadezed)
                << Q_FUNC_INFO << "  * new act, but has sufficient data" << act.id();
            candidate = act;
        } else {
            qCDebug(lcDavovadezed) << Q_FUNC_INFO << "  * old act found" << act.id();
            candidate = m_activities.value(key);
            for (const QString &name : updatedProps)
                candidate.setProperty(name, act.variantProperty(name));
        }
        if (admits(candidate))
            push(candidate, updatedProps);
    }
}

bool ActivitiesWidgetPrivate::passesTimelineFilter(
    SocialProviderTimeline::TimelineType timelineType) const
{
    if (timelineType == SocialProviderTimeline::NoTimeline || timelineType == m_timelineFilter)
        return true;
    qCDebug(lcDavovadezed) << "  * dropping whole activity list due to timeline filter";
    return false;
}

bool ActivitiesWidgetPrivate::admits(const SocialActivity &candidate) const
{
    const QString id = candidate.id();

    const QString parentActivityId = candidate.property(SocialActivity::ParentActivityId);
    if (!m_parentActivityIdFilter.isEmpty() && parentActivityId != m_parentActivityIdFilter) {
        qCDebug(lcDavovadezed) << "  * dropping" << id << "(" << candidate.description()
                               << ") due to parent activity id filter" << parentActivityId;
        return false;
    }

    const int type = candidate.variantProperty(SocialActivity::ActivityType).toInt();
    if (type != SocialActivity::AnyType && m_activityTypeFilter != SocialActivity::AnyType &&
        type != m_activityTypeFilter) {
        qCDebug(lcDavovadezed) << "  * dropping" << id << "(" << candidate.description()
                               << ") due to activity type" << type;
        return false;
    }

    const QDateTime start = startTimeOf(candidate);
    if (!m_afterFilter.isNull() && !(m_afterFilter < start)) {
        qCDebug(lcDavovadezed) << "  * dropping" << id << "(" << start << ") due to after filter"
                               << m_afterFilter;
        return false;
    }
    if (!m_beforeFilter.isNull() && !(start < m_beforeFilter)) {
        qCDebug(lcDavovadezed) << "  * dropping" << id << "(" << start << ") due to before filter"
                               << m_beforeFilter;
        return false;
    }

    const QString accountId = candidate.parentAccount();
    if (!m_accountsFilter.isEmpty() && !m_accountsFilter.contains(accountId)) {
        qCDebug(lcDavovadezed) << "  * dropping" << id << "(" << accountId
                               << ") due to account filter" << m_accountsFilter;
        return false;
    }

    const QString ownerId = candidate.property(SocialActivity::OwnerPersonId);
    if (!m_ownerPersonsFilter.isEmpty()) {
        if (!m_ownerPersonsFilter.contains(ownerId)) {
            qCDebug(lcDavovadezed) << "  * dropping" << id << "due to owner persons filter";
            return false;
        }
    } else if (m_discardOwnActivities && PersonStore::isOwnContact(accountId, ownerId)) {
        qCDebug(lcDavovadezed) << "  * dropping" << id << "because it's own";
        return false;
    }

    if (!m_receiverPersonsFilter.isEmpty() &&
        !m_receiverPersonsFilter.contains(candidate.property(SocialActivity::ReceiverPersonId))) {
        qCDebug(lcDavovadezed) << "  * dropping" << id << "due to receiver persons filter";
        return false;
    }
    return true;
}
