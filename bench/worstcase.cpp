// One case of the worst-block benchmark, in a process of its own: a
// handset-sized window whose page shows a feed, one ordinary activity in it,
// then the case's provider changes, each timed, with the event processing
// that follows them until the feed is laid out, painted and its pictures
// shown.
#include "benchdata.h"
#include "benchmarks.h"
#include "benchoptions.h"
#include "blockclock.h"
#include "feedscene.h"
#include "processmemory.h"
#include "worstcases.h"
#include "worstpictures.h"

#include <activitieswidget.h>
#include <socialdatastore.h>
#include <socialprovidermanager.h>
#include <uxapplicationpage.h>
#include <uxapplicationwindow.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>
#include <uxtheme.h>

#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

namespace {

// Far more than a handset has: a case that wants more fails its
// allocations instead of taking the machine down. Counted on top of what is
// mapped at the start, which under AddressSanitizer is terabytes.
const qint64 s_addressSpace = qint64(8) << 30;

[[noreturn]] void fail(const char *why)
{
    std::fprintf(stderr, "%s\n", why);
    std::fflush(stderr);
    std::_Exit(3);
}

} // namespace

namespace Benchmarks {

void worstCase(const BenchOptions &options, const QString &name, const QString &folder)
{
    const rlim_t mapped = rlim_t(qMax<qint64>(0, ProcessMemory::mappedBytes()));
    const rlimit limit = {mapped + s_addressSpace, mapped + s_addressSpace};
    setrlimit(RLIMIT_AS, &limit);
    UxTheme::addImageSearchPath(WorstPictures::iconFolder(folder));
    // In the run's folder, which the parent removes: this process ends
    // without destructors.
    BenchData data(folder);
    data.setUpProvider();
    const QList<WorstCases::Step> steps = WorstCases::steps(options, name, &data, folder);
    if (steps.isEmpty())
        fail("no such case");

    UxApplicationWindow window;
    auto *page = new UxApplicationPage;
    auto *feed = new ActivitiesWidget(100u);
    auto *policy = new UxLinearLayoutPolicy(new UxLayout(page->centralWidget()), Qt::Vertical);
    policy->addItem(feed);
    window.showPage(page);
    window.show();
    feed->listenToActivityUpdates(true);
    // Fonts, image readers and the contacts plugin are loaded before the
    // clock runs.
    SocialProviderManager::instance()->store()->updateActivities(
        {data.activity(QStringLiteral("warm-up"), BenchData::baseTime(), 1)});
    FeedScene::waitForContacts(window.scene());
    BlockClock().settle();

    BlockClock clock;
    for (const WorstCases::Step &step : steps) {
        clock.time(step);
        clock.settle();
    }
    if (feed->count() != 2)
        fail("the activity is not in the feed");
    if (clock.paintEvents() == 0)
        fail("nothing was painted");
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%f %ld\n", clock.worstMs(), usage.ru_maxrss);
    std::fflush(stdout);
    // A picture reader still blocked in a worker thread would keep the
    // process from exiting; the measurement is done.
    std::_Exit(0);
}

} // namespace Benchmarks
