// The smallest application embedding the activity feed: a page whose
// scrolling area holds the feed, filled from a data set through the social
// provider. Tap a bubble to open its comments page.
//
// With --tour it walks through that by itself and exits: 0 when the feed
// scrolled and the comments page opened, 1 otherwise.
#include <davovadezed/activitieswidget.h>
#include <davovadezed/activitybubble.h>
#include <davovadezed/commentspage.h>

#include <socialdatastore.h>
#include <socialprovidermanager.h>
#include <uxapplication.h>
#include <uxapplicationpage.h>
#include <uxapplicationwindow.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>

#include <QGraphicsScene>
#include <QTimer>

#include <cstdio>

namespace {

// Enough posts to fill more than one screen, and a comment on the first.
const char s_dataSet[] = R"({
    "services": [ { "id": "facebook", "name": "Facebook", "icon": ":/fb.png" } ],
    "accounts": [ { "id": "fb-1", "service": "facebook", "profileId": "100" } ],
    "persons": [
        { "account": "fb-1", "id": "100", "firstName": "Jane", "lastName": "Doe" },
        { "account": "fb-1", "id": "200", "firstName": "Ann", "lastName": "Lee" },
        { "account": "fb-1", "id": "300", "firstName": "Bob", "lastName": "Stone" }
    ],
    "activities": [
        { "account": "fb-1", "id": "p1", "type": "post", "owner": "200", "ageSeconds": 120,
          "description": "Back from the lake! The water was cold but the view was worth it.",
          "commentCount": 1 },
        { "account": "fb-1", "id": "c1", "type": "comment", "parent": "p1", "owner": "300",
          "description": "Looks great", "ageSeconds": 60 },
        { "account": "fb-1", "id": "p2", "type": "post", "owner": "300", "ageSeconds": 900,
          "description": "Have you read this? www.example.com/article" },
        { "account": "fb-1", "id": "p3", "type": "post", "owner": "200", "ageSeconds": 3600,
          "description": "Three days of rain, and now the garden is a jungle." },
        { "account": "fb-1", "id": "p4", "type": "post", "owner": "300", "ageSeconds": 7200,
          "description": "Anyone up for a bike ride on Sunday morning? Meeting at the bridge." },
        { "account": "fb-1", "id": "p5", "type": "post", "owner": "200", "ageSeconds": 86400,
          "description": "Finished the book you lent me. That ending!" },
        { "account": "fb-1", "id": "p6", "type": "post", "owner": "300", "ageSeconds": 172800,
          "description": "New job, new city, same old coffee mug." },
        { "account": "fb-1", "id": "p7", "type": "post", "owner": "200", "ageSeconds": 259200,
          "description": "The concert last night was the best one this year." },
        { "account": "fb-1", "id": "p8", "type": "post", "owner": "300", "ageSeconds": 604800,
          "description": "Moving boxes everywhere. Send pizza." },
        { "account": "fb-1", "id": "p9", "type": "post", "owner": "200", "ageSeconds": 700000,
          "description": "First snow of the winter, and the cat refuses to go outside." },
        { "account": "fb-1", "id": "p10", "type": "post", "owner": "300", "ageSeconds": 800000,
          "description": "Looking for a good recipe for plum cake. Suggestions welcome." },
        { "account": "fb-1", "id": "p11", "type": "post", "owner": "200", "ageSeconds": 900000,
          "description": "Ten kilometres this morning, a new record." },
        { "account": "fb-1", "id": "p12", "type": "post", "owner": "300", "ageSeconds": 1000000,
          "description": "The old photo albums from the attic are a treasure." }
    ]
})";

class FeedPage : public UxApplicationPage
{
public:
    FeedPage() : m_feed(new ActivitiesWidget(50))
    {
        setTitle(QStringLiteral("Activities"));
        auto *policy = new UxLinearLayoutPolicy(new UxLayout(centralWidget()), Qt::Vertical);
        policy->addItem(m_feed);
        m_feed->setActivityTypeFilter(SocialActivity::Post);
        m_feed->listenToActivityUpdates(true);
    }

    ActivitiesWidget *feed() const { return m_feed; }

private:
    ActivitiesWidget *m_feed;
};

ActivityBubble *firstBubble(const ActivitiesWidget *feed)
{
    const QList<QGraphicsItem *> children = feed->childItems();
    for (QGraphicsItem *child : children) {
        if (auto *bubble = qobject_cast<ActivityBubble *>(child->toGraphicsObject()))
            return bubble;
    }
    return nullptr;
}

bool commentsPageShown(QGraphicsScene *scene)
{
    const QList<QGraphicsItem *> items = scene->items();
    for (QGraphicsItem *item : items) {
        if (qobject_cast<CommentsPage *>(item->toGraphicsObject()))
            return true;
    }
    return false;
}

// Scrolls to the end of the feed, taps its first bubble and checks that the
// comments page opened.
void tour(UxApplicationWindow *window, FeedPage *page)
{
    page->setScrollPosition(page->maximumScrollPosition());
    const bool scrolled = page->scrollPosition() > 0;
    if (ActivityBubble *bubble = firstBubble(page->feed()))
        emit bubble->bubbleClicked();
    QTimer::singleShot(500, window, [window, page, scrolled] {
        const bool opened = commentsPageShown(window->scene());
        std::printf("minimal: %u bubbles, %s, %s\n", unsigned(page->feed()->count()),
                    scrolled ? "scrolled to the end" : "did not scroll",
                    opened ? "comments page open" : "no comments page");
        QCoreApplication::exit(scrolled && opened ? 0 : 1);
    });
}

} // namespace

int main(int argc, char **argv)
{
    UxApplication app(argc, argv); // before any widget of the library
    UxApplicationWindow window;
    window.resize(480, 854);
    auto *page = new FeedPage;
    window.showPage(page);
    window.show();

    if (!SocialProviderManager::instance()->store()->loadJson(s_dataSet))
        return 1;
    page->feed()->refreshFeeds(20);

    if (app.arguments().contains(QStringLiteral("--tour")))
        QTimer::singleShot(1000, &window, [&window, page] { tour(&window, page); });
    return app.exec();
}
