// Loads arbitrary bytes as a whole data set, with a few small pictures it
// may name, into a feed on a handset-sized window, opens the comments page
// of the first post it shows, lets the event loop run a bounded number of
// passes and tears everything down. Besides crashes, sanitizer reports and
// slow inputs it checks that the feed keeps to its bound and its order and
// shows only activities of the data set.
#include <activitieswidget.h>
#include <commentspage.h>
#include <socialdatastore.h>
#include <socialprovidermanager.h>
#include <uxapplication.h>
#include <uxapplicationpage.h>
#include <uxapplicationwindow.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>
#include <uxtheme.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QImage>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

const unsigned int s_maxBubbles = 20;
// Passes of the event loop after each step: enough for the provider's
// answers, the layouts and the paints they cause; never an unbounded wait.
const int s_passes = 6;

UxApplicationWindow *s_window = nullptr;
QTemporaryDir *s_pictures = nullptr;

[[noreturn]] void broken(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "fuzz_feed: %s\n%s\n", what, qPrintable(detail));
    std::abort();
}

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        broken("fatal message", message);
}

void runEvents()
{
    for (int pass = 0; pass < s_passes; ++pass) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The pictures a data set may name: photo.png, photo.jpg and face.png by a
// relative path, and the service icon "service".
void makePictures(const QString &folder)
{
    QDir(folder).mkpath(QStringLiteral("icons"));
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(QDir(folder).filePath(QStringLiteral("photo.png")));
    image.save(QDir(folder).filePath(QStringLiteral("photo.jpg")));
    image.scaled(32, 32).save(QDir(folder).filePath(QStringLiteral("face.png")));
    image.scaled(24, 24).save(QDir(folder).filePath(QStringLiteral("icons/service.png")));
    UxTheme::addImageSearchPath(QDir(folder).filePath(QStringLiteral("icons")));
}

void checkFeed(const ActivitiesWidget *feed, const SocialDataStore *store)
{
    if (feed->count() > feed->maxSize())
        broken("the feed holds more than its bound");
    for (quint32 i = 0; i < feed->count(); ++i) {
        const SocialActivity activity = feed->activityAt(i);
        if (store->activity(activity.parentAccount(), activity.id()).id() != activity.id())
            broken("the feed shows an activity the data set does not hold", activity.id());
        const QDateTime start = activity.variantProperty(SocialActivity::StartTime).toDateTime();
        if (i > 0 &&
            feed->activityAt(i - 1).variantProperty(SocialActivity::StartTime).toDateTime() < start)
            broken("the feed is not newest first", activity.id());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quiet);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    static int s_argc = 1;
    static char s_name[] = "fuzz_feed";
    static char *s_argv[] = {s_name, nullptr};
    new UxApplication(s_argc, s_argv);
    s_pictures = new QTemporaryDir;
    makePictures(s_pictures->path());
    s_window = new UxApplicationWindow;
    s_window->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SocialDataStore *store = SocialProviderManager::instance()->store();
    const QByteArray json(reinterpret_cast<const char *>(data), int(size));
    // Refused data sets are fuzz_dataset's; this target wants feeds.
    if (!store->loadJson(json, s_pictures->path()))
        return -1;
    // A loaded data set is silent; a network provider announces its persons.
    store->updatePersons(store->persons());

    auto *page = new UxApplicationPage;
    auto *feed = new ActivitiesWidget(s_maxBubbles);
    auto *policy = new UxLinearLayoutPolicy(new UxLayout(page->centralWidget()), Qt::Vertical);
    policy->addItem(feed);
    s_window->showPage(page);
    feed->listenToActivityUpdates(true);
    feed->refreshFeeds(s_maxBubbles);
    runEvents();
    feed->pushActivities(store->activities());
    runEvents();
    checkFeed(feed, store);

    for (quint32 i = 0; i < feed->count(); ++i) {
        const SocialActivity activity = feed->activityAt(i);
        if (activity.variantProperty(SocialActivity::ActivityType).toInt() != SocialActivity::Post)
            continue;
        auto *comments = new CommentsPage;
        comments->setActivity(activity);
        comments->appear(s_window->scene());
        runEvents();
        delete comments;
        break;
    }
    delete page;
    runEvents();
    return 0;
}
