#ifndef FEEDPAGE_H
#define FEEDPAGE_H

#include <uxapplicationpage.h>

class ActivitiesWidget;

// The demo's main page: the activity feed in the page's scrolling area.
class FeedPage : public UxApplicationPage
{
    Q_OBJECT
public:
    explicit FeedPage(QGraphicsItem *parent = nullptr);

    ActivitiesWidget *feed() const;

private:
    ActivitiesWidget *m_feed;
};

#endif // FEEDPAGE_H
