#ifndef COMMENTSPAGEPRIVATETWITTER_P_H
#define COMMENTSPAGEPRIVATETWITTER_P_H

#include "commentspage_p.h"

// The page for the Twitter gateway: the activity, a retweet button and a
// reply box. There are no comments and no likes text; a reply is a new status
// addressed by its "@" prefix.
class CommentsPagePrivateTwitter : public CommentsPagePrivate
{
    Q_OBJECT
public:
    explicit CommentsPagePrivateTwitter(CommentsPage *page);
    ~CommentsPagePrivateTwitter() override;

    void createContent() override;
    void updateLikenessArea() override;

public slots:
    void onPostClicked() override;
    void onLikeClicked() override;
    void onLikeFinished() override;
    void onPostFinished() override;

protected:
    void createContentLikenessArea() override;

private:
    QString replyPrefix() const;
    // Posts the text as a new status from the activity's account.
    void post(const QString &text, void (CommentsPagePrivateTwitter::*onFinished)());
};

#endif // COMMENTSPAGEPRIVATETWITTER_P_H
