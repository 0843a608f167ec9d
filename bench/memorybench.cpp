// Memory per shown bubble whose activity carries four photos.
#include "benchdata.h"
#include "benchmarks.h"
#include "benchoptions.h"
#include "benchtable.h"
#include "feedscene.h"
#include "processmemory.h"

#include <activitieswidget.h>

#include <QGraphicsScene>

namespace {

struct Usage
{
    qint64 resident;
    qint64 heap;
};

Usage usageNow()
{
    FeedScene::settle();
    ProcessMemory::releaseFreeMemory();
    return {ProcessMemory::residentBytes(), ProcessMemory::heapInUseBytes()};
}

QList<SocialActivity> albums(BenchData *data, const QString &prefix, int count)
{
    QList<SocialActivity> activities;
    for (int i = 0; i < count; ++i)
        activities.append(
            data->activity(prefix + QString::number(i), BenchData::baseTime().addSecs(60 * i), 4));
    return activities;
}

} // namespace

namespace Benchmarks {

void memoryPerBubble(const BenchOptions &options, BenchData *data, BenchTable *table)
{
    const QString name = QStringLiteral("4. Memory per bubble");
    data->setUpProvider();
    QGraphicsScene scene;
    FeedScene::setHandsetRect(&scene);
    {
        // What every feed loads once (catalog, caches, fonts) is not a
        // bubble's.
        auto *warm = new ActivitiesWidget(0u);
        scene.addItem(warm);
        warm->pushActivities(albums(data, QStringLiteral("w"), 4));
        FeedScene::waitForContacts(&scene);
        FeedScene::fitWidth(warm, 480);
        delete warm;
    }
    const int count = options.memoryBubbles();
    const QList<SocialActivity> activities = albums(data, QStringLiteral("m"), count);

    const Usage before = usageNow();
    auto *feed = new ActivitiesWidget(0u);
    scene.addItem(feed);
    feed->pushActivities(activities);
    FeedScene::waitForContacts(&scene);
    FeedScene::fitWidth(feed, 480);
    const Usage shown = usageNow();
    delete feed;
    const Usage after = usageNow();

    const double kb = 1000.0;
    const double heapPerBubble = (shown.heap - before.heap) / kb / count;
    const double residentPerBubble = (shown.resident - before.resident) / kb / count;
    const QString what = QStringLiteral("%1 bubbles, 4 thumbnails each").arg(count);
    table->add(name, QStringLiteral("heap per bubble (mallinfo2), %1").arg(what),
               {QStringLiteral("memory.per_bubble_kb"), heapPerBubble, QStringLiteral("KB"), 1,
                QStringLiteral("<"), 100});
    table->add(name, QStringLiteral("RSS per bubble"),
               QStringLiteral("%1 KB").arg(residentPerBubble, 0, 'f', 1),
               QStringLiteral("< 200 KB"),
               residentPerBubble < 200 ? BenchTable::Met : BenchTable::Missed);
    table->add(name, QStringLiteral("heap still held after deleting the feed, per bubble"),
               QStringLiteral("%1 KB").arg((after.heap - before.heap) / kb / count, 0, 'f', 2));
}

} // namespace Benchmarks
