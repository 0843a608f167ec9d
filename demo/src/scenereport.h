#ifndef SCENEREPORT_H
#define SCENEREPORT_H

#include <QStringList>

class ActivitiesWidget;
class ActivityBubble;
class CommentsPage;

// A plain-text account of what the demo shows, one line per bubble, for
// people and scripts alike. Values are written as key=value; texts are in
// double quotes with \" and \\ escaped, each as the user sees it: rich text
// without its markup.
class SceneReport
{
public:
    SceneReport() = delete;

    // "feed: N bubbles", then "bubble I: ..." for each bubble, top to bottom.
    static QStringList describeFeed(const ActivitiesWidget *feed);
    // "comments page: ..." (title, likes, like button, number of comments,
    // post box, the link to all comments), the activity ("activity: ...")
    // and its comments ("comment I: ...").
    static QStringList describeCommentsPage(const CommentsPage *page);
    // sender, avatar (picture, initials or none), time, comments, likes,
    // icon, thumbnails, link or photo caption (if any) and message of one
    // bubble.
    static QString describeBubble(const ActivityBubble *bubble);
};

#endif // SCENEREPORT_H
