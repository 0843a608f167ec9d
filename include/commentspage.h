#ifndef COMMENTSPAGE_H
#define COMMENTSPAGE_H

#include "davovadezed_global.h"

#include <socialactivity.h>
#include <uxapplicationpage.h>

class CommentsPagePrivate;
class UxWidget;

// A page showing one activity with its likes, its comments and a box for
// writing a comment. Give it the activity before it is shown.
class DAVOVADEZED_EXPORT CommentsPage : public UxApplicationPage
{
    Q_OBJECT
public:
    explicit CommentsPage(UxWidget *parent = nullptr);
    ~CommentsPage() override;

    void setActivity(const SocialActivity &activity);

protected:
    void createContent() override;

private:
    Q_DISABLE_COPY(CommentsPage)
    CommentsPagePrivate *d;
};

#endif // COMMENTSPAGE_H
