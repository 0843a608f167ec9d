#ifndef COMMENTSPAGE_P_H
#define COMMENTSPAGE_P_H

#include <socialactivity.h>
#include <socialnetworkperson.h>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class ActivitiesWidget;
class ActivityBubble;
class CommentsPage;
class QDateTime;
class SocialDataRequest;
class SocialPostActivitiesRequest;
class UxAbstractLayoutPolicy;
class UxButton;
class UxFlowLayoutPolicy;
class UxLabel;
class UxLayout;
class UxLinearLayoutPolicy;
class UxTextEdit;

// The behaviour behind a CommentsPage for one activity. The service variants
// derive from it; createCommentsPagePrivate() picks one. The widgets it builds
// belong to the page's central widget, not to this object.
class CommentsPagePrivate : public QObject
{
    Q_OBJECT
public:
    // A new variant object for the service of the activity's account; the
    // caller owns it.
    static CommentsPagePrivate *createCommentsPagePrivate(CommentsPage *page,
                                                          const SocialActivity &activity);

    explicit CommentsPagePrivate(CommentsPage *page);
    ~CommentsPagePrivate() override;

    // Merges a whole (updatedProps empty) or partial copy of the activity.
    void updateActivity(const SocialActivity &activity, const QList<QString> &updatedProps);

    virtual void createContent() = 0;
    virtual void updateView();
    virtual void updateLikenessArea();
    virtual void updateShowMoreLabel();
    virtual void setLikeButtonText(const QString &text);
    virtual void setActivity(const SocialActivity &activity);
    virtual void fetchRecentComments(quint32 count);
    virtual void fetchAllComments();

public slots:
    virtual void onActivityUpdate(const QList<SocialActivity> &activities,
                                  const QList<QString> &updatedProps);
    virtual void onPostClicked();
    virtual void onLikeClicked();
    virtual void onLikeFinished();
    virtual void onGetLikersFinished();
    virtual void onPostFinished();
    virtual void onShowMoreClicked();
    void onAccountsRemoved(const QStringList &accountIds);
    void listenToActivityUpdates(bool listen);

protected:
    virtual void createContentActivityBubble();
    virtual void createContentMoreLabel();
    virtual void createContentComments();
    virtual void createContentPostComment();
    virtual void createContentLikenessArea();

    // Insets a row's policy by the bubble's side margins.
    static void alignWithBubble(UxAbstractLayoutPolicy *policy);
    // The likes text that the like count and the user's own like give.
    QString likesTextFromCount() const;
    // How many of the comments shown start at that time.
    quint32 shownCommentsAt(const QDateTime &start) const;
    // Logs a post's blank id and errors; true when the post went through.
    static bool postSucceeded(const SocialPostActivitiesRequest *request);
    static void logErrors(const SocialDataRequest *request);
    // Gives the user back the text of a post that failed, unless the editor
    // holds something new by now.
    void restoreUnsentText(const SocialPostActivitiesRequest *request);

    SocialActivity m_activity;
    SocialNetworkPerson m_owner;
    bool m_likedByMe = false;
    CommentsPage *m_page;
    UxLayout *m_layout;
    UxLinearLayoutPolicy *m_policy;
    ActivityBubble *m_bubble = nullptr;
    ActivitiesWidget *m_comments = nullptr;
    UxLayout *m_likenessLayout = nullptr;
    UxFlowLayoutPolicy *m_likenessPolicy = nullptr;
    UxLabel *m_likesLabel = nullptr;
    UxButton *m_likeButton = nullptr;
    UxLayout *m_postLayout = nullptr;
    UxLinearLayoutPolicy *m_postPolicy = nullptr;
    UxTextEdit *m_commentEdit = nullptr;
    UxButton *m_postButton = nullptr;
    UxLabel *m_moreLabel = nullptr;
    bool m_listening = false;

private:
    Q_DISABLE_COPY(CommentsPagePrivate)
};

#endif // COMMENTSPAGE_P_H
