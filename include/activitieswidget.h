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

/**
 * The activity feed: an ordered, filtered, size-bounded list of activity
 * bubbles, fetched from the social provider and kept current by its live
 * updates.
 *
 * Each activity is shown by one ActivityBubble, a child item of the feed,
 * placed by its start time. Fetch results and live updates pass through the
 * filters set with the setters below; activities handed over with push(),
 * pushActivities() and setActivities() are shown as they are.
 *
 * A tap on a bubble whose activity is a post (@c SocialActivity::Type 1)
 * opens a new CommentsPage for that activity on the feed's scene; the
 * toolkit destroys the page when it is done, and the feed keeps no reference
 * to it. A tap on other activities opens nothing. A tap on a bubble's avatar
 * opens the address-book contact card of the bubble's contact; a bubble
 * without a contact has no avatar.
 *
 * Building a feed creates the PersonStore if it does not exist yet, so that
 * the user's own profiles are known before the first activity is let in. The
 * first feed of the process also installs the library's translation catalog
 * "actv" through Zevavizi::loadTranslation(), once: later feeds do not, even
 * when the first one is gone. The application object must therefore exist
 * before the first feed; without it the process stops.
 */
class DAVOVADEZED_EXPORT ActivitiesWidget : public UxWidget
{
    Q_OBJECT
public:
    /**
     * An empty feed with the newest activity on top.
     *
     * @param maxSize the most bubbles the feed keeps; 0 means unbounded.
     * @param parent the parent item, which deletes the feed with itself.
     */
    explicit ActivitiesWidget(unsigned int maxSize, UxWidget *parent = nullptr);
    /**
     * An empty feed in the given order.
     *
     * @param maxSize the most bubbles the feed keeps; 0 or a negative value
     *        means unbounded.
     * @param sortOrder by start time: Qt::DescendingOrder puts the newest on
     *        top, Qt::AscendingOrder the oldest.
     * @param parent the parent item, which deletes the feed with itself.
     */
    ActivitiesWidget(int maxSize, Qt::SortOrder sortOrder, UxWidget *parent = nullptr);
    /**
     * Stops following live updates and deletes the bubbles with the feed. A
     * fetch still running is answered to no one.
     */
    ~ActivitiesWidget() override;

    /** The size bound given at construction; 0 means unbounded. */
    unsigned int maxSize() const;
    /** The number of bubbles shown; the progress row of a fetch is not one. */
    quint32 count() const;
    /**
     * The activity of bubble number @p index from the top, as the bubble holds
     * it after every update merged into it; an empty activity when there is no
     * such bubble.
     */
    SocialActivity activityAt(unsigned int index) const;

    /**
     * Shows an activity, or updates the bubble of an activity already shown.
     * No filter applies.
     *
     * An activity is known by its account id and activity id. A new one gets
     * a new bubble at the place its start time gives; when the feed then holds
     * more than maxSize() bubbles, the bottom one is removed. For a known one,
     * @p updatedProps names the properties to take over into its bubble; an
     * empty list replaces the whole activity. An activity with an empty id is
     * refused with a warning.
     *
     * itemCountChanged() is emitted when the number of bubbles changed.
     */
    void push(const SocialActivity &activity, const QList<QString> &updatedProps);
    /** Pushes each activity whole, in list order; no filter applies. */
    void pushActivities(const QList<SocialActivity> &activities);
    /**
     * Pushes each activity whole, like pushActivities(). The bubbles already
     * shown stay; call clear() first to replace them.
     */
    void setActivities(const QList<SocialActivity> &activities);

    /**
     * Asks the social provider for activities matching the filters, and shows
     * a progress row at the top until the answer arrives.
     *
     * When it arrives, the progress row goes and the activities pass through
     * the filters: a list of another timeline than the timeline filter is
     * dropped whole, new activities without the data a bubble needs (see
     * ActivityBubble::activityHasSufficientData()) are dropped, known ones are
     * updated. An empty answer leaves the feed as it was. Const although it
     * changes what the feed shows.
     *
     * @param limit the most activities to ask for; 0 leaves the provider's
     *        default.
     */
    void refreshFeeds(unsigned int limit) const;
    /**
     * Starts or stops following the provider's live activity updates. They
     * pass through the same filters as fetch results; the properties they name
     * are merged into the bubbles of known activities.
     */
    void listenToActivityUpdates(bool listen) const;

    /**
     * Removes every bubble and resets both time stamps to null. The filters
     * stay, and itemCountChanged() is not emitted.
     */
    void clear();
    /**
     * Removes the bubbles of activities of the given accounts, and works the
     * time stamps out again from the bubbles left. itemCountChanged() is not
     * emitted.
     */
    void cleanActivitiesByAccounts(const QStringList &accountIds);

    /**
     * The timeline to ask for. Fetch results and live updates of another
     * timeline are dropped whole; those of no timeline always pass. The
     * default, SocialProviderTimeline::NoTimeline, asks for no timeline, so
     * every list of a timeline is dropped.
     *
     * Like every filter, it takes effect at the next fetch and the next
     * update; the bubbles shown stay.
     */
    void setTimelineFilter(SocialProviderTimeline::TimelineType timeline);
    /** The timeline filter; see setTimelineFilter(). */
    SocialProviderTimeline::TimelineType timelineFilter() const;
    /**
     * The one activity type let in. SocialActivity::AnyType, the default, lets
     * in every type, and an activity of that type passes every filter.
     */
    void setActivityTypeFilter(SocialActivity::Type type);
    /** The activity type filter; see setActivityTypeFilter(). */
    SocialActivity::Type activityTypeFilter() const;
    /**
     * Lets in only the activities whose parent activity has this id: the
     * comments of that activity. A null id, the default, lets in every
     * activity; an empty one is sent to the provider but tests nothing here.
     */
    void setParentActivityIdFilter(const QString &parentActivityId);
    /** The parent activity id filter; see setParentActivityIdFilter(). */
    const QString &parentActivityIdFilter() const;
    /**
     * Asks the named accounts only, and lets in only their activities. An
     * empty list, the default, means every account.
     */
    void setAccountsFilter(const QStringList &accountIds);
    /** The accounts filter; see setAccountsFilter(). */
    const QStringList &accountsFilter() const;
    /**
     * Lets in only the activities owned by these persons. While it is not
     * empty the user's own activities are let in too when a listed person is
     * the user, whatever discardOwnActivities() was given. Empty by default.
     */
    void setOwnerPersonsFilter(const QStringList &personIds);
    /** The owner persons filter; see setOwnerPersonsFilter(). */
    const QStringList &ownerPersonsFilter() const;
    /**
     * Lets in only the activities addressed to these persons. The provider
     * gets the owner and receiver persons as one list; here each is tested on
     * its own. Empty by default.
     */
    void setReceiverPersonsFilter(const QStringList &personIds);
    /** The receiver persons filter; see setReceiverPersonsFilter(). */
    const QStringList &receiverPersonsFilter() const;
    /**
     * Lets in only the activities that started strictly before @p before. A
     * null time, the default, sets no bound.
     */
    void setBeforeFilter(const QDateTime &before);
    /** The before filter; see setBeforeFilter(). */
    const QDateTime &beforeFilter() const;
    /**
     * Lets in only the activities that started strictly after @p after. A
     * null time, the default, sets no bound.
     */
    void setAfterFilter(const QDateTime &after);
    /** The after filter; see setAfterFilter(). */
    const QDateTime &afterFilter() const;
    /**
     * Whether the user's own activities, those of an own profile in the
     * PersonStore, are kept out. True by default; not applied while an owner
     * persons filter is set.
     */
    void discardOwnActivities(bool discard);

    /**
     * The latest start time among the activities pushed since construction
     * or clear(), or among those cleanActivitiesByAccounts() left; null when
     * there is none.
     */
    const QDateTime &mostRecentActivityTimestamp() const;
    /**
     * The earliest start time, counted like mostRecentActivityTimestamp();
     * null when there is none.
     */
    const QDateTime &oldestActivityTimestamp() const;

signals:
    /**
     * Emitted after a push, whether by the application, a fetch result or a
     * live update, changed the number of bubbles, with the new number. A push
     * that adds one bubble and removes another by the size bound changes
     * nothing.
     */
    void itemCountChanged(quint32 count);

private:
    Q_DISABLE_COPY(ActivitiesWidget)
    ActivitiesWidgetPrivate *m_d;
};

#endif // ACTIVITIESWIDGET_H
