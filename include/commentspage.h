#ifndef COMMENTSPAGE_H
#define COMMENTSPAGE_H

#include "davovadezed_global.h"

#include <socialactivity.h>
#include <uxapplicationpage.h>

class CommentsPagePrivate;
class UxWidget;

/**
 * A page showing one activity with its likes, its comments and a box for
 * writing a comment. Give it the activity before it is shown.
 *
 * What the page offers follows the service of the activity's account. For
 * the Twitter gateway service ("twittergw") it shows the activity, a retweet
 * button that posts the activity again under the user's name and then
 * closes the page, and a box for a reply of at most 140 characters; there is
 * no comment list. For every other service, and for an account the provider
 * does not know, it shows the activity, who likes it with a like or unlike
 * button, a link that fetches all comments when there are more than 14, the
 * comments oldest first (at most 100, starting with 14) and a box for a
 * comment. The page title is the name of the activity's owner as the
 * PersonStore knows it, empty when it does not.
 *
 * The page follows the provider's live updates of its activity, and closes
 * itself when the activity's account is removed.
 *
 * Its texts come from the translation catalog "actv", which the first
 * ActivitiesWidget of the process installs; an application that shows a page
 * before building any feed calls Zevavizi::loadTranslation() first.
 */
class DAVOVADEZED_EXPORT CommentsPage : public UxApplicationPage
{
    Q_OBJECT
public:
    /**
     * A page without an activity.
     *
     * A page that a feed opens on a tap is shown so that the toolkit deletes
     * it when it is done; one that the application creates is the
     * application's to show and to delete, unless it is given a parent item.
     */
    explicit CommentsPage(UxWidget *parent = nullptr);
    /** Stops following the activity's updates; the rows go with the page. */
    ~CommentsPage() override;

    /**
     * Shows @p activity: chooses what the page offers by the service of the
     * activity's account and starts following the activity's updates. The
     * comments are fetched when the content is built. On a page already
     * shown, the rows of the previous activity are replaced at once.
     */
    void setActivity(const SocialActivity &activity);

protected:
    /**
     * Builds the rows for the activity; the toolkit calls it once, when the
     * page is first shown. Without an activity there is nothing to build and
     * a warning is logged.
     */
    void createContent() override;

private:
    Q_DISABLE_COPY(CommentsPage)
    CommentsPagePrivate *d;
};

#endif // COMMENTSPAGE_H
