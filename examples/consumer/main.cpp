// Embeds the activity feed the way the README shows, fills it from a small
// data set through the social provider, and checks what it shows: exits 0
// when the feed holds the expected activities with translated time stamps,
// 1 otherwise.
#include <davovadezed/activitieswidget.h>
#include <davovadezed/activitybubble.h>
#include <davovadezed/davovadezed_version.h>

#include <socialdatarequest.h>
#include <socialdatastore.h>
#include <socialprovidermanager.h>
#include <uxapplication.h>
#include <uxapplicationwindow.h>

#include <QDateTime>
#include <QEventLoop>
#include <QGraphicsScene>
#include <QGraphicsWidget>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Two friends' posts, one of the user's own and a comment: the feed shows the
// friends' posts only.
const char s_dataSet[] = R"({
    "services": [ { "id": "facebook", "name": "Facebook", "icon": ":/fb.png" } ],
    "accounts": [ { "id": "fb-1", "service": "facebook", "profileId": "100" } ],
    "persons": [
        { "account": "fb-1", "id": "100", "firstName": "Jane", "lastName": "Doe" },
        { "account": "fb-1", "id": "200", "firstName": "Ann", "lastName": "Lee" },
        { "account": "fb-1", "id": "300", "firstName": "Bob", "lastName": "Stone" }
    ],
    "activities": [
        { "account": "fb-1", "id": "p1", "type": "post", "owner": "200",
          "description": "Back from the lake!", "ageSeconds": 900, "commentCount": 1 },
        { "account": "fb-1", "id": "p2", "type": "post", "owner": "300",
          "description": "Have you read this? www.example.com/article", "ageSeconds": 7200 },
        { "account": "fb-1", "id": "p3", "type": "post", "owner": "100",
          "description": "My own post", "ageSeconds": 60 },
        { "account": "fb-1", "id": "c1", "type": "comment", "parent": "p1", "owner": "300",
          "description": "Looks great", "ageSeconds": 300 }
    ]
})";

const int s_timeout = 10000;

// Calls ask() and runs the event loop until the provider has answered the
// request it made.
bool runUntilAnswered(const std::function<void()> &ask)
{
    QEventLoop loop;
    QObject::connect(SocialProviderManager::instance(), &SocialProviderManager::requestPerformed,
                     &loop, [&loop](SocialDataRequest *request) {
                         // Queued: the feed handles the answer first.
                         QObject::connect(
                             request, &SocialDataRequest::finished, &loop,
                             [&loop] { loop.exit(0); }, Qt::QueuedConnection);
                     });
    QTimer::singleShot(s_timeout, &loop, [&loop] { loop.exit(1); });
    ask();
    return loop.exec() == 0;
}

static_assert(DAVOVADEZED_VERSION_MAJOR == 0 && DAVOVADEZED_VERSION_MINOR >= 5,
              "built for davovadezed 0.5");

// The time stamp that the bubble of an activity shows.
QString timeStampOf(QGraphicsScene *scene, const QString &activityId)
{
    const QList<QGraphicsItem *> items = scene->items();
    for (QGraphicsItem *item : items) {
        auto *bubble = qobject_cast<ActivityBubble *>(item->toGraphicsObject());
        if (bubble && bubble->activity().id() == activityId)
            return bubble->timeStamp();
    }
    return QString();
}

bool expect(bool condition, const char *what)
{
    if (!condition)
        std::fprintf(stderr, "consumer: wrong result: %s\n", what);
    return condition;
}

} // namespace

int main(int argc, char **argv)
{
    UxApplication app(argc, argv); // before any widget of the library
    UxApplicationWindow window;

    auto *feed = new ActivitiesWidget(50); // at most 50 bubbles, newest on top
    feed->setActivityTypeFilter(SocialActivity::Post);
    feed->listenToActivityUpdates(true);
    window.scene()->addItem(feed);
    window.show();

    if (!SocialProviderManager::instance()->store()->loadJson(s_dataSet))
        return 1;
    if (!expect(runUntilAnswered([feed] { feed->refreshFeeds(20); }),
                "the provider did not answer"))
        return 1;
    bool ok = expect(feed->count() == 2, "the fetch should show the two friends' posts") &&
              expect(feed->activityAt(0).id() == QLatin1String("p1"), "p1 should be on top");

    // A catalog id showing means the catalogs were not found.
    const QString shownTime = timeStampOf(window.scene(), QStringLiteral("p1"));
    ok = ok && expect(!shownTime.isEmpty() && !shownTime.startsWith(QLatin1String("qtn_")),
                      "p1 should show a translated time stamp");

    // Activities handed over directly are shown without filtering.
    SocialActivity pushed;
    pushed.setProperty(SocialActivity::Id, QStringLiteral("n1"));
    pushed.setProperty(SocialActivity::ParentAccount, QStringLiteral("fb-1"));
    pushed.setProperty(SocialActivity::ActivityType, int(SocialActivity::Post));
    pushed.setProperty(SocialActivity::OwnerPersonId, QStringLiteral("200"));
    pushed.setProperty(SocialActivity::Description, QStringLiteral("Just now"));
    pushed.setProperty(SocialActivity::StartTime, QDateTime::currentDateTimeUtc());
    feed->pushActivities({pushed});
    ok = ok && expect(feed->count() == 3, "a pushed activity should be added") &&
         expect(feed->activityAt(0).id() == QLatin1String("n1"), "the newest should be on top");

    std::printf("consumer: davovadezed %s; the feed shows %u activities, the first posted \"%s\"\n",
                DAVOVADEZED_VERSION_STRING, unsigned(feed->count()), qPrintable(shownTime));
    return ok ? 0 : 1;
}
