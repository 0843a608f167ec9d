#include "commentspage_p.h"

#include "activitieswidget.h"
#include "activitybubble.h"
#include "activitycount_p.h"
#include "activityupdates_p.h"
#include "commentspage.h"
#include "commentspageprivatefacebook_p.h"
#include "commentspageprivatetwitter_p.h"
#include "logging.h"
#include "personstore.h"

#include <socialprovidermanager.h>
#include <socialserviceaccount.h>
#include <uxlabel.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>

#include <QDateTime>

#include <limits>

namespace {

// The list starts with this many comments; more than that offers the link
// that fetches them all.
const quint32 s_initialCommentCount = 14;

} // namespace

CommentsPagePrivate *CommentsPagePrivate::createCommentsPagePrivate(CommentsPage *page,
                                                                    const SocialActivity &activity)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    const QString serviceId = SocialProviderManager::instance()
                                  ->account(activity.parentAccount())
                                  .property(SocialServiceAccount::SocialServiceId);
    qCDebug(lcDavovadezed) << "socialserviceid=" << serviceId;
    if (serviceId == QLatin1String("twittergw"))
        return new CommentsPagePrivateTwitter(page);
    return new CommentsPagePrivateFacebook(page);
}

CommentsPagePrivate::CommentsPagePrivate(CommentsPage *page)
    : m_page(page), m_layout(new UxLayout(page->centralWidget())),
      m_policy(new UxLinearLayoutPolicy(m_layout, Qt::Vertical))
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
}

CommentsPagePrivate::~CommentsPagePrivate()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    listenToActivityUpdates(false);
}

void CommentsPagePrivate::setActivity(const SocialActivity &activity)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    m_activity = activity;
    m_likedByMe = activity.variantProperty(SocialActivity::IsLikedByMe).toBool();
    m_owner = PersonStore::person(activity.parentAccount(),
                                  activity.property(SocialActivity::OwnerPersonId));
    if (m_comments)
        updateView();
    listenToActivityUpdates(true);
}

void CommentsPagePrivate::listenToActivityUpdates(bool listen)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    // The timeline of an update plays no part here.
    ActivityUpdates::listen(this, &CommentsPagePrivate::onActivityUpdate, listen, &m_listening,
                            Q_FUNC_INFO);
}

void CommentsPagePrivate::updateView()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    m_bubble->setActivity(m_activity, QList<QString>());
    if (m_comments) {
        m_comments->clear();
        m_comments->setParentActivityIdFilter(m_activity.id());
        m_comments->listenToActivityUpdates(true);
        m_comments->refreshFeeds(s_initialCommentCount);
    }
    m_page->setTitle(QStringLiteral("%1 %2").arg(m_owner.property(SocialNetworkPerson::FirstName),
                                                 m_owner.property(SocialNetworkPerson::LastName)));
    updateLikenessArea();
    updateShowMoreLabel();
}

void CommentsPagePrivate::onActivityUpdate(const QList<SocialActivity> &activities,
                                           const QList<QString> &updatedProps)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << activities.count() << updatedProps;
    for (const SocialActivity &activity : activities) {
        if (activity.parentAccount() != m_activity.parentAccount() ||
            activity.id() != m_activity.id())
            continue;
        // Nothing is shown yet: the content is built from the merged activity.
        if (!m_bubble) {
            updateActivity(activity, updatedProps);
            continue;
        }
        const qint64 newCount = ActivityCount::of(activity, SocialActivity::CommentCount);
        const qint64 shownCount = ActivityCount::of(m_activity, SocialActivity::CommentCount);
        if (newCount > shownCount)
            fetchRecentComments(
                quint32(qMin<qint64>(newCount - shownCount, std::numeric_limits<quint32>::max())));
        updateActivity(activity, updatedProps);
        m_bubble->setActivity(activity, updatedProps);
        updateShowMoreLabel();
        updateLikenessArea();
    }
}

void CommentsPagePrivate::updateActivity(const SocialActivity &activity,
                                         const QList<QString> &updatedProps)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    if (updatedProps.isEmpty()) {
        m_activity = activity;
    } else {
        for (const QString &name : updatedProps)
            m_activity.setProperty(name, activity.variantProperty(name));
    }
    // Also ends a like request still waiting for its result.
    m_likedByMe = m_activity.variantProperty(SocialActivity::IsLikedByMe).toBool();
}

void CommentsPagePrivate::updateShowMoreLabel()
{
    if (!m_moreLabel || !m_comments) {
        qCDebug(lcDavovadezed) << Q_FUNC_INFO;
        return;
    }
    const qint64 commentCount = ActivityCount::of(m_activity, SocialActivity::CommentCount);
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << commentCount << m_comments->count();
    if (commentCount > s_initialCommentCount && m_comments->count() < commentCount) {
        //% "View all %1 comments"
        m_moreLabel->setText(
            QStringLiteral("<a href=\"#showmore\">%1</a>")
                .arg(qtTrId("qtn_actv_single_view_all_comments").arg(commentCount)));
    } else {
        m_moreLabel->setText(QString());
    }
}

void CommentsPagePrivate::onShowMoreClicked()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    fetchAllComments();
}

void CommentsPagePrivate::fetchAllComments()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    if (!m_comments)
        return;
    // The list started with the newest comments, so the missing ones are
    // older than those shown: ask for all of them, not only for newer ones.
    m_comments->setAfterFilter(QDateTime());
    m_comments->refreshFeeds(m_comments->maxSize());
}

void CommentsPagePrivate::fetchRecentComments(quint32 count)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << count;
    // A limit of 0 would fetch every comment there is.
    if (!m_comments || count == 0)
        return;
    // The after filter is strict and time stamps are often whole seconds, so
    // a new comment may well start with the newest one shown: the bound lies
    // a millisecond before it. The shown comments that this lets in again are
    // merged, not repeated, but the provider counts them against the limit.
    const QDateTime newest = m_comments->mostRecentActivityTimestamp();
    qint64 limit = count;
    if (newest.isValid()) {
        m_comments->setAfterFilter(newest.addMSecs(-1));
        limit += shownCommentsAt(newest);
    } else {
        m_comments->setAfterFilter(newest);
    }
    // The list shows no more than its bound (0: none), and a limit the
    // request cannot hold would ask for everything.
    if (m_comments->maxSize() != 0)
        limit = qMin<qint64>(limit, m_comments->maxSize());
    m_comments->refreshFeeds(quint32(qMin<qint64>(limit, std::numeric_limits<int>::max())));
}

quint32 CommentsPagePrivate::shownCommentsAt(const QDateTime &start) const
{
    quint32 shown = 0;
    for (quint32 i = 0; i < m_comments->count(); ++i) {
        if (m_comments->activityAt(i).variantProperty(SocialActivity::StartTime).toDateTime() ==
            start)
            ++shown;
    }
    return shown;
}

void CommentsPagePrivate::onAccountsRemoved(const QStringList &accountIds)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    const QString accountId = m_activity.parentAccount();
    if (accountId.isEmpty() || !accountIds.contains(accountId))
        return;
    listenToActivityUpdates(false);
    m_page->disappear();
}
