// Live updates through the provider into a listening feed: 80% new
// activities, 20% property changes of shown ones; then the same updates
// into a list view over a model, as an application would show them
// without the library.
#include "benchdata.h"
#include "benchmarks.h"
#include "benchoptions.h"
#include "benchtable.h"
#include "feedscene.h"
#include "listpeer.h"
#include "processmemory.h"
#include "samples.h"

#include <activitieswidget.h>
#include <socialactivityattachment.h>
#include <socialdatastore.h>
#include <socialprovidermanager.h>
#include <uxbubbleitem.h>

#include <QElapsedTimer>
#include <QGraphicsScene>

namespace {

// Ids come back after this many updates, long after their bubble left the
// feed, so the provider's own store stays the same size however long the run.
const int s_idCycle = 5000;

QString unshared(const QString &text)
{
    return QString(text.unicode(), text.size());
}

SocialActivityAttachment unshared(SocialActivityAttachment attachment)
{
    for (QString *text :
         {&attachment.firstText, &attachment.linkUrl, &attachment.title, &attachment.lastText})
        *text = unshared(*text);
    for (SocialActivityAttachment::Media &media : attachment.media) {
        media.linkUrl = unshared(media.linkUrl);
        media.imagePath = unshared(media.imagePath);
        media.fallbackUrl = unshared(media.fallbackUrl);
    }
    return attachment;
}

// A copy for the list view that shares nothing with the one the provider
// keeps. Shared, it would cost nothing at the first measuring point and
// show as growth at the second, once the provider has replaced its copy.
SocialActivity unshared(const SocialActivity &activity)
{
    SocialActivity copy;
    const QVariantMap properties = activity.properties();
    for (auto property = properties.cbegin(); property != properties.cend(); ++property) {
        QVariant value = property.value();
        if (value.userType() == QMetaType::QString)
            value = unshared(value.toString());
        else if (value.userType() == qMetaTypeId<SocialActivityAttachment>())
            value = QVariant::fromValue(unshared(value.value<SocialActivityAttachment>()));
        copy.setProperty(property.key(), value);
    }
    return copy;
}

} // namespace

namespace Benchmarks {

void admission(const BenchOptions &options, BenchData *data, BenchTable *table)
{
    data->setUpProvider();
    SocialDataStore *store = SocialProviderManager::instance()->store();
    QGraphicsScene scene;
    FeedScene::setHandsetRect(&scene);
    auto *feed = new ActivitiesWidget(100u);
    scene.addItem(feed);
    feed->resize(480, 854);
    feed->listenToActivityUpdates(true);

    QRandomGenerator random(7);
    QVector<double> costs;
    costs.reserve(options.admissionFirst());
    // The timed updates again, for the list view.
    QVector<QPair<SocialActivity, QList<QString>>> timed;
    timed.reserve(options.admissionFirst());
    qint64 pushNs = 0;
    qint64 settleNs = 0;
    int newActivities = 0;
    const quint64 layoutsAtStart = UxBubbleItem::messageLayoutCount();
    quint64 layoutsAtFirst = 0;
    qint64 residentAtFirst = 0;
    qint64 heapAtFirst = 0;
    QDateTime newest = BenchData::baseTime();

    for (int i = 0; i < options.admissionTotal(); ++i) {
        SocialActivity activity;
        QList<QString> changed;
        if (random.bounded(5) == 0 && feed->count() > 0) {
            activity = feed->activityAt(random.bounded(feed->count()));
            changed = {random.bounded(2) ? SocialActivity::LikeCount
                                         : SocialActivity::CommentCount};
            activity.setProperty(changed.first(),
                                 activity.variantProperty(changed.first()).toUInt() + 1);
        } else {
            // Mostly newer than everything shown; now and then an older one
            // that lands further down or falls off the end.
            newest = newest.addSecs(30);
            const QDateTime start =
                random.bounded(10) == 0 ? newest.addSecs(-qint64(random.bounded(86400))) : newest;
            activity = data->activity(QStringLiteral("n%1").arg(i % s_idCycle), start);
        }
        const bool first = i < options.admissionFirst();
        if (first) {
            timed.append(qMakePair(unshared(activity), changed));
            newActivities += changed.isEmpty() ? 1 : 0;
        }

        QElapsedTimer timer;
        timer.start();
        store->updateActivities({activity}, changed);
        const qint64 ns = timer.nsecsElapsed();
        timer.restart();
        FeedScene::settle();
        if (first) {
            costs.append(ns / 1000.0);
            pushNs += ns;
            settleNs += timer.nsecsElapsed();
        }
        if (i + 1 == options.admissionFirst()) {
            layoutsAtFirst = UxBubbleItem::messageLayoutCount();
            ProcessMemory::releaseFreeMemory();
            residentAtFirst = ProcessMemory::residentBytes();
            heapAtFirst = ProcessMemory::heapInUseBytes();
        }
    }
    FeedScene::settle();
    ProcessMemory::releaseFreeMemory();
    const qint64 residentAtTotal = ProcessMemory::residentBytes();
    const qint64 heapAtTotal = ProcessMemory::heapInUseBytes();
    delete feed;
    FeedScene::settle();

    qint64 peerNs = 0;
    {
        ListPeer peer(100);
        for (const auto &update : qAsConst(timed)) {
            QElapsedTimer timer;
            timer.start();
            peer.push(update.first, update.second);
            FeedScene::settle();
            peerNs += timer.nsecsElapsed();
        }
    }
    FeedScene::settle();

    const QString name = QStringLiteral("1. Admission and push");
    const int count = options.admissionFirst();
    const double median = Samples::median(costs);
    table->add(name, QStringLiteral("median push per activity (first %1)").arg(count),
               {QStringLiteral("admission.push.median_us"), median, QStringLiteral("µs"), 1,
                QStringLiteral("<"), 30});
    table->add(name, QStringLiteral("95th percentile push per activity"),
               QStringLiteral("%1 µs").arg(Samples::percentile(costs, 0.95), 0, 'f', 1));
    table->add(name, QStringLiteral("event processing per activity (layout, deletes)"),
               QStringLiteral("%1 µs").arg(settleNs / 1000.0 / count, 0, 'f', 1));
    const double ours = (pushNs + settleNs) / 1000.0 / count;
    const double theirs = peerNs / 1000.0 / count;
    table->add(name, QStringLiteral("push and event processing per activity"),
               QStringLiteral("%1 µs").arg(ours, 0, 'f', 1));
    table->add(name, QStringLiteral("QListView over a model, the same updates"),
               QStringLiteral("%1 µs").arg(theirs, 0, 'f', 1));
    table->add(name, QStringLiteral("feed / list view"),
               {QStringLiteral("admission.total_vs_peer"), theirs > 0 ? ours / theirs : 0,
                QString(), 2, QStringLiteral("≤"), 1.5});
    table->add(name, QStringLiteral("message layouts per new bubble"),
               {QStringLiteral("layout.per_bubble.steady"),
                double(layoutsAtFirst - layoutsAtStart) / qMax(1, newActivities),
                QStringLiteral("layouts"), 2, QStringLiteral("≤"), 1.1});
    const double mib = 1024.0 * 1024.0;
    const qint64 growth = residentAtTotal - residentAtFirst;
    table->add(name,
               QStringLiteral("RSS after %1 / %2 updates")
                   .arg(options.admissionFirst())
                   .arg(options.admissionTotal()),
               QStringLiteral("%1 / %2 MiB")
                   .arg(residentAtFirst / mib, 0, 'f', 1)
                   .arg(residentAtTotal / mib, 0, 'f', 1));
    table->add(name,
               QStringLiteral("RSS growth from %1 to %2 updates")
                   .arg(options.admissionFirst())
                   .arg(options.admissionTotal()),
               {QStringLiteral("rss.growth_10k_100k_mb"), growth / 1e6, QStringLiteral("MB"), 2,
                QStringLiteral("<"), 2});
    table->add(name, QStringLiteral("heap in use (mallinfo2), same points"),
               QStringLiteral("%1 / %2 MiB")
                   .arg(heapAtFirst / mib, 0, 'f', 1)
                   .arg(heapAtTotal / mib, 0, 'f', 1));
}

} // namespace Benchmarks
