#ifndef COMMENTSFIXTURES_H
#define COMMENTSFIXTURES_H

#include "providerfixtures.h"
#include "testmain.h"

#include <activitieswidget.h>
#include <activitybubble.h>
#include <commentspage.h>
#include <socialactivity.h>
#include <socialdatarequest.h>
#include <socialgetactivitiesrequest.h>
#include <socialgetlikersrequest.h>
#include <sociallikeactivityrequest.h>
#include <socialpostactivitiesrequest.h>
#include <socialprovidermanager.h>
#include <uxbutton.h>
#include <uxlabel.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>
#include <uxtextedit.h>
#include <zevavizi.h>

#include <QDateTime>
#include <QGraphicsScene>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTest>

// The provider data, the pages and the views into a page's rows shared by the
// comments page tests.
namespace CommentsFixtures {

using namespace ProviderFixtures;

const QString s_facebookAccount = QStringLiteral("fb1");
const QString s_twitterAccount = QStringLiteral("tw1");
const QString s_owner = QStringLiteral("owner");
const QString s_me = QStringLiteral("me");

inline SocialActivity post(const QString &accountId, const QString &id, uint comments = 0,
                           uint likes = 0, bool likedByMe = false)
{
    return counted(activity(accountId, id, at(8), SocialActivity::Post, s_owner), comments, likes,
                   likedByMe);
}

inline SocialActivity comment(const QString &accountId, const QString &parentId, const QString &id,
                              const QDateTime &start)
{
    SocialActivity record = activity(accountId, id, start, SocialActivity::Comment);
    record.setProperty(SocialGenericData::Description, QStringLiteral("comment ") + id);
    record.setProperty(SocialActivity::ParentActivityId, parentId);
    return record;
}

// A Facebook and a Twitter gateway account, each with the owner of the
// activities, the user and two friends. Pages here come before any feed, so
// the library's catalog is installed first, as such an application does.
inline void loadAccounts()
{
    static const bool s_catalogLoaded = (Zevavizi::loadTranslation(), true);
    Q_UNUSED(s_catalogLoaded)
    QList<SocialNetworkPerson> persons;
    for (const QString &accountId : {s_facebookAccount, s_twitterAccount}) {
        persons << person(accountId, s_owner, QStringLiteral("Ann"), QStringLiteral("Lee"),
                          QStringLiteral("ann"))
                << person(accountId, s_me, QStringLiteral("Me"), QStringLiteral("Myself"))
                << person(accountId, QStringLiteral("f1"), QStringLiteral("Bob"),
                          QStringLiteral("Ray"))
                << person(accountId, QStringLiteral("f2"), QStringLiteral("Cy"),
                          QStringLiteral("Doe"));
    }
    setUp({service(QStringLiteral("facebook"), QStringLiteral("fb")),
           service(QStringLiteral("twittergw"), QStringLiteral("tw"))},
          {account(s_facebookAccount, QStringLiteral("facebook"), s_me),
           account(s_twitterAccount, QStringLiteral("twittergw"), s_me)},
          persons);
}

// What a request asked for, kept after the request itself is gone.
struct PerformedRequest
{
    QString className;
    QStringList accountIds;
    int limit = 0;
    QDateTime after;
    QString parentFilter;
    QString activityId;
    bool like = false;
    int postType = 0;
    QString text;
    QString parentActivityId;
};

// Records every request handed to the provider, in order.
class RequestLog : public QObject
{
public:
    RequestLog()
    {
        connect(SocialProviderManager::instance(), &SocialProviderManager::requestPerformed, this,
                &RequestLog::record);
    }

    QList<PerformedRequest> ofClass(const char *className) const
    {
        QList<PerformedRequest> found;
        for (const PerformedRequest &request : m_requests) {
            if (request.className == QLatin1String(className))
                found.append(request);
        }
        return found;
    }
    QList<PerformedRequest> fetches() const { return ofClass("SocialGetActivitiesRequest"); }
    QList<PerformedRequest> likes() const { return ofClass("SocialLikeActivityRequest"); }
    QList<PerformedRequest> likers() const { return ofClass("SocialGetLikersRequest"); }
    QList<PerformedRequest> posts() const { return ofClass("SocialPostActivitiesRequest"); }
    void clear() { m_requests.clear(); }

private:
    void record(SocialDataRequest *request)
    {
        PerformedRequest performed;
        performed.className = QLatin1String(request->metaObject()->className());
        for (const SocialServiceAccount &account : request->accounts())
            performed.accountIds.append(account.id());
        if (auto *fetch = qobject_cast<SocialGetActivitiesRequest *>(request)) {
            performed.limit = fetch->limit();
            performed.after = fetch->after();
            performed.parentFilter = fetch->parentActivityIdFilter();
        } else if (auto *like = qobject_cast<SocialLikeActivityRequest *>(request)) {
            performed.activityId = like->activityId();
            performed.like = like->like();
        } else if (auto *likers = qobject_cast<SocialGetLikersRequest *>(request)) {
            performed.activityId = likers->activityId();
        } else if (auto *post = qobject_cast<SocialPostActivitiesRequest *>(request)) {
            performed.postType = post->type();
            performed.text = post->text();
            performed.parentActivityId = post->parentActivityId();
        }
        m_requests.append(performed);
    }

    QList<PerformedRequest> m_requests;
};

// A page's rows, reached through the layout on its central widget.
class PageView
{
public:
    explicit PageView(const CommentsPage *page) : m_page(page) {}

    UxAbstractLayoutPolicy *rows() const { return policyOf(m_page->centralWidget()->layout()); }
    int rowCount() const { return rows() ? rows()->count() : 0; }

    // The widget of a row, or of an item of a row that is a layout.
    template <typename T> T *widget(int row, int item = -1) const
    {
        QGraphicsLayoutItem *found = rows() ? rows()->itemAt(row) : nullptr;
        if (found && item >= 0) {
            UxAbstractLayoutPolicy *inner = policyOf(found);
            found = inner ? inner->itemAt(item) : nullptr;
        }
        QGraphicsItem *graphics = found ? found->graphicsItem() : nullptr;
        return graphics ? qobject_cast<T *>(graphics->toGraphicsObject()) : nullptr;
    }
    int itemCount(int row) const
    {
        UxAbstractLayoutPolicy *inner = rows() ? policyOf(rows()->itemAt(row)) : nullptr;
        return inner ? inner->count() : -1;
    }

    // The Facebook page: bubble, likes row, link, comments, post area.
    ActivityBubble *bubble() const { return widget<ActivityBubble>(0); }
    UxLabel *likesLabel() const { return widget<UxLabel>(1, 0); }
    UxButton *likeButton() const { return widget<UxButton>(1, 1); }
    UxLabel *moreLabel() const { return widget<UxLabel>(2); }
    ActivitiesWidget *comments() const { return widget<ActivitiesWidget>(3); }
    UxTextEdit *editor() const { return widget<UxTextEdit>(4, 0); }
    UxButton *postButton() const { return widget<UxButton>(4, 1); }

    // The Twitter gateway page: bubble, retweet row, post area.
    UxButton *retweetButton() const { return widget<UxButton>(1, 0); }
    UxTextEdit *replyEditor() const { return widget<UxTextEdit>(2, 0); }
    UxButton *replyButton() const { return widget<UxButton>(2, 1); }

private:
    static UxAbstractLayoutPolicy *policyOf(QGraphicsLayoutItem *item)
    {
        auto *layout = dynamic_cast<UxLayout *>(item);
        return layout ? layout->policy() : nullptr;
    }

    const CommentsPage *m_page;
};

// A page for the activity, shown on the scene, which owns it.
inline CommentsPage *showPage(QGraphicsScene *scene, const SocialActivity &activity)
{
    auto *page = new CommentsPage;
    page->setActivity(activity);
    page->appear(scene);
    return page;
}

// Lets the provider run every request handed to it so far, and those that
// their results start in turn.
inline void settle()
{
    for (int round = 0; round < 5; ++round)
        QCoreApplication::sendPostedEvents();
}

} // namespace CommentsFixtures

#endif // COMMENTSFIXTURES_H
