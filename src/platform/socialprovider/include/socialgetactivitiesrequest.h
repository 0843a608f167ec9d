#ifndef SOCIALGETACTIVITIESREQUEST_H
#define SOCIALGETACTIVITIESREQUEST_H

#include "socialactivity.h"
#include "socialdatarequest.h"
#include "socialprovidertimeline.h"

#include <QDateTime>
#include <QStringList>

// Fetches activities, newest first. Every setting narrows the result; a
// setting left alone does not filter.
class SOCIALPROVIDER_EXPORT SocialGetActivitiesRequest : public SocialDataRequest
{
    Q_OBJECT
public:
    static const int DefaultLimit = 20;

    explicit SocialGetActivitiesRequest(QObject *parent = nullptr);

    void setTimelineType(SocialProviderTimeline::TimelineType type);
    void setActivityFilter(SocialActivity::Type type);
    // A null id leaves the filter unset; an empty one asks for activities
    // without a parent.
    void setParentActivityIdFilter(const QString &parentActivityId);
    // Activities owned by or addressed to any of these persons.
    void setPersonsFilter(const QStringList &personIds);
    // Activities that started strictly before / after the moment.
    void setBefore(const QDateTime &before);
    void setAfter(const QDateTime &after);
    // The newest activities only; 0 or less means no limit.
    void setLimit(int limit);

    SocialActivity::Type activityFilter() const;
    QString parentActivityIdFilter() const;
    QStringList personsFilter() const;
    QDateTime before() const;
    QDateTime after() const;
    int limit() const;

    // Results. timelineType() is also the requested timeline.
    QList<SocialActivity> activities() const;
    SocialProviderTimeline::TimelineType timelineType() const;

private:
    void execute(SocialDataStore &store) override;
    bool matches(const SocialActivity &activity,
                 SocialProviderTimeline::TimelineType timeline) const;

    SocialProviderTimeline::TimelineType m_timelineType = SocialProviderTimeline::NoTimeline;
    SocialActivity::Type m_activityFilter = SocialActivity::AnyType;
    QString m_parentActivityId;
    QStringList m_persons;
    QDateTime m_before;
    QDateTime m_after;
    int m_limit = DefaultLimit;
    QList<SocialActivity> m_activities;
};

#endif // SOCIALGETACTIVITIESREQUEST_H
