#include "activitieswidget_p.h"

#include "activityupdates_p.h"
#include "logging.h"

#include <socialgetactivitiesrequest.h>
#include <socialprovidermanager.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>
#include <uxprogressindicator.h>

void ActivitiesWidgetPrivate::listenToActivityUpdates(bool listen)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << listen;
    ActivityUpdates::listen(this, &ActivitiesWidgetPrivate::onActivityUpdate, listen, &m_listening,
                            Q_FUNC_INFO);
}

void ActivitiesWidgetPrivate::refreshFeeds(quint32 limit)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    spinnerSetVisible(true);

    SocialProviderManager *manager = SocialProviderManager::instance();
    auto *request = new SocialGetActivitiesRequest;
    const QList<SocialServiceAccount> accounts = applyRequestFilters(request, Q_FUNC_INFO);
    if (limit != 0)
        request->setLimit(int(limit));
    connect(request, &SocialDataRequest::finished, this,
            &ActivitiesWidgetPrivate::onActivitiesRequestFinished);
    // The request releases itself, so that one still running when the feed
    // goes away is not leaked.
    connect(request, &SocialDataRequest::finished, request, &QObject::deleteLater);
    manager->performRequest(request, accounts);
}

void ActivitiesWidgetPrivate::onActivitiesRequestFinished()
{
    auto *request = qobject_cast<SocialGetActivitiesRequest *>(sender());
    if (!request)
        return;
    spinnerSetVisible(false);
    const QList<SocialActivity> activities = request->activities();
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << activities.count() << int(request->timelineType());
    onActivityUpdate(activities, QList<QString>(), request->timelineType());
}

void ActivitiesWidgetPrivate::spinnerSetVisible(bool visible)
{
    if (visible == m_spinnerShown)
        return;
    if (visible) {
        m_policy->insertItem(0, m_progressRow, Qt::AlignCenter);
        m_spinner->setUnknownDuration(true);
        m_spinner->setVisible(true);
    } else {
        m_spinner->reset();
        m_spinner->setVisible(false);
        m_spinner->setUnknownDuration(false);
        m_policy->removeItem(m_progressRow);
    }
    m_spinnerShown = visible;
}
