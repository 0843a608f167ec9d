#ifndef COMMENTSPAGEPRIVATEFACEBOOK_P_H
#define COMMENTSPAGEPRIVATEFACEBOOK_P_H

#include "commentspage_p.h"

// The complete page: the activity, who likes it, the link that fetches all
// comments, the comments and the post area.
class CommentsPagePrivateFacebook : public CommentsPagePrivate
{
    Q_OBJECT
public:
    explicit CommentsPagePrivateFacebook(CommentsPage *page);
    ~CommentsPagePrivateFacebook() override;

    void createContent() override;
    void updateLikenessArea() override;

public slots:
    void onShowMoreClicked() override;

private:
    void requestLikers();
};

#endif // COMMENTSPAGEPRIVATEFACEBOOK_P_H
