#ifndef ACTIVITIESWIDGET_H
#define ACTIVITIESWIDGET_H

#include "davovadezed_global.h"

#include <socialactivity.h>
#include <socialprovidertimeline.h>
#include <uxwidget.h>

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class ActivitiesWidgetPrivate;

// The activity feed: an ordered, filtered, size-bounded list of activity
// bubbles, fetched from the social provider and kept current by its live
// updates.
class DAVOVADEZED_EXPORT ActivitiesWidget : public UxWidget
{
    Q_OBJECT
public:
    // Newest on top; maxSize 0 means unbounded.
    explicit ActivitiesWidget(unsigned int maxSize, UxWidget *parent = nullptr);
    // A negative maxSize is taken as 0 (unbounded).
    ActivitiesWidget(int maxSize, Qt::SortOrder sortOrder, UxWidget *parent = nullptr);
    ~ActivitiesWidget() override;

    unsigned int maxSize() const;
    quint32 count() const;
    SocialActivity activityAt(unsigned int index) const;

    // Shown without filtering.
    void push(const SocialActivity &activity, const QList<QString> &updatedProps);
    void pushActivities(const QList<SocialActivity> &activities);
    void setActivities(const QList<SocialActivity> &activities);

    // Starts a fetch with the filters below; limit 0 leaves the provider's
    // default.
    void refreshFeeds(unsigned int limit) const;
    void listenToActivityUpdates(bool listen) const;

    void clear();
    void cleanActivitiesByAccounts(const QStringList &accountIds);

    void setTimelineFilter(SocialProviderTimeline::TimelineType timeline);
    SocialProviderTimeline::TimelineType timelineFilter() const;
    void setActivityTypeFilter(SocialActivity::Type type);
    SocialActivity::Type activityTypeFilter() const;
    void setParentActivityIdFilter(const QString &parentActivityId);
    const QString &parentActivityIdFilter() const;
    void setAccountsFilter(const QStringList &accountIds);
    const QStringList &accountsFilter() const;
    void setOwnerPersonsFilter(const QStringList &personIds);
    const QStringList &ownerPersonsFilter() const;
    void setReceiverPersonsFilter(const QStringList &personIds);
    const QStringList &receiverPersonsFilter() const;
    void setBeforeFilter(const QDateTime &before);
    const QDateTime &beforeFilter() const;
    void setAfterFilter(const QDateTime &after);
    const QDateTime &afterFilter() const;
    void discardOwnActivities(bool discard);

    const QDateTime &mostRecentActivityTimestamp() const;
    const QDateTime &oldestActivityTimestamp() const;

signals:
    void itemCountChanged(quint32 count);

private:
    Q_DISABLE_COPY(ActivitiesWidget)
    // What both constructors do once the private object exists.
    void setUp();

    ActivitiesWidgetPrivate *m_d;
};

#endif // ACTIVITIESWIDGET_H
