#ifndef ACTIVITIESWIDGET_P_H
#define ACTIVITIESWIDGET_P_H

#include <socialactivity.h>
#include <socialprovidertimeline.h>
#include <socialserviceaccount.h>

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>

class ActivitiesWidget;
class ActivityBubble;
class SocialGetActivitiesRequest;
class UxGridLayoutPolicy;
class UxLayout;
class UxLinearLayoutPolicy;
class UxProgressIndicator;

// The state behind ActivitiesWidget: the bubbles in display order, the index
// of shown activities, the filters, and the fetches and live updates that
// feed them.
class ActivitiesWidgetPrivate : public QObject
{
    Q_OBJECT
public:
    // (owning account id, activity id)
    using ActivityKey = QPair<QString, QString>;

    ActivitiesWidgetPrivate(quint32 maxSize, Qt::SortOrder sortOrder, ActivitiesWidget *owner);
    ~ActivitiesWidgetPrivate() override;
    // What both constructors of the feed do once this object exists.
    void init();

    // Model.
    quint32 itemCount() const;
    SocialActivity activityAt(quint32 index) const;
    SocialActivity activity(const QString &accountId, const QString &activityId) const;
    ActivityBubble *activityItem(const QString &accountId, const QString &activityId) const;
    int insertionIndex(const SocialActivity &activity) const;
    void updateTimestamps(const SocialActivity &activity);
    void push(const SocialActivity &activity, const QList<QString> &updatedProps);
    void clear();
    void cleanActivitiesByAccounts(const QStringList &accountIds);

    // Fetches and live updates.
    void listenToActivityUpdates(bool listen);
    void refreshFeeds(quint32 limit);
    void spinnerSetVisible(bool visible);

    // Filters: what a fetch asks for, and what is let in.
    QList<SocialServiceAccount> applyRequestFilters(SocialGetActivitiesRequest *request,
                                                    const char *caller) const;
    bool passesTimelineFilter(SocialProviderTimeline::TimelineType timelineType) const;
    bool admits(const SocialActivity &candidate) const;

    ActivitiesWidget *const m_owner;
    UxLayout *const m_layout;
    UxLinearLayoutPolicy *const m_policy;
    const quint32 m_maxSize;
    const Qt::SortOrder m_sortOrder;
    QHash<ActivityKey, SocialActivity> m_activities;
    bool m_listening = false;
    UxProgressIndicator *const m_spinner;
    UxLayout *const m_progressRow;
    UxGridLayoutPolicy *const m_progressPolicy;
    bool m_spinnerShown = false;

    SocialProviderTimeline::TimelineType m_timelineFilter = SocialProviderTimeline::NoTimeline;
    SocialActivity::Type m_activityTypeFilter = SocialActivity::AnyType;
    QString m_parentActivityIdFilter;
    QStringList m_accountsFilter;
    QStringList m_ownerPersonsFilter;
    QStringList m_receiverPersonsFilter;
    QDateTime m_beforeFilter;
    QDateTime m_afterFilter;
    bool m_discardOwnActivities = true;

    QDateTime m_mostRecentActivityTimestamp;
    QDateTime m_oldestActivityTimestamp;

    static bool s_translationsLoaded;

signals:
    void itemCountChanged(quint32 count);

public slots:
    void onAvatarClicked();
    void onBubbleClicked();
    void onActivityUpdate(const QList<SocialActivity> &acts, const QList<QString> &updatedProps,
                          SocialProviderTimeline::TimelineType timelineType);
    void onActivitiesRequestFinished();

private:
    Q_DISABLE_COPY(ActivitiesWidgetPrivate)

    // The list index of the first bubble: the progress row, while shown,
    // is above them all.
    int firstBubbleIndex() const;
    // The bubble at a list index, or null for the progress row.
    ActivityBubble *bubbleAt(int listIndex) const;
    static ActivityKey keyOf(const SocialActivity &activity);
    static QDateTime startTimeOf(const SocialActivity &activity);
};

#endif // ACTIVITIESWIDGET_P_H
