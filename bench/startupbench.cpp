// Start-up: a fresh process, from its launch to the first feed of a hundred
// activities laid out.
#include "benchdata.h"
#include "benchmarks.h"
#include "benchoptions.h"
#include "benchtable.h"
#include "feedscene.h"
#include "samples.h"

#include <activitieswidget.h>
#include <uxapplication.h>
#include <uxbubbleitem.h>

#include <QElapsedTimer>
#include <QGraphicsScene>
#include <QProcess>

#include <cstdio>
#include <ctime>

namespace {

qint64 realtimeNs()
{
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace

namespace Benchmarks {

void startupChild(qint64 launchedNs)
{
    const double loadMs = (realtimeNs() - launchedNs) / 1e6;
    QElapsedTimer timer;
    timer.start();
    int argc = 1;
    char name[] = "davovadezed-bench";
    char *argv[] = {name, nullptr};
    UxApplication app(argc, argv);
    const double applicationMs = timer.nsecsElapsed() / 1e6;

    BenchData data;
    data.setUpProvider();
    QList<SocialActivity> activities;
    for (int i = 0; i < 100; ++i)
        activities.append(
            data.activity(QStringLiteral("s%1").arg(i), BenchData::baseTime().addSecs(60 * i)));

    const quint64 layouts = UxBubbleItem::messageLayoutCount();
    timer.restart();
    QGraphicsScene scene;
    FeedScene::setHandsetRect(&scene);
    auto *feed = new ActivitiesWidget(100u);
    scene.addItem(feed);
    feed->pushActivities(activities);
    FeedScene::fitWidth(feed, 480);
    const double feedMs = timer.nsecsElapsed() / 1e6;
    const double layoutsPerBubble =
        double(UxBubbleItem::messageLayoutCount() - layouts) / activities.size();
    std::printf("%f %f %f %f\n", loadMs, applicationMs, feedMs, layoutsPerBubble);
    delete feed;
}

void startup(const BenchOptions &options, BenchTable *table)
{
    const QString name = QStringLiteral("5. Start-up");
    QVector<double> load;
    QVector<double> application;
    QVector<double> feed;
    QVector<double> layouts;
    for (int run = 0; run < options.startupRuns(); ++run) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(options.program, {QStringLiteral("--startup"), QString::number(realtimeNs())});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            table->addNote(QStringLiteral("Start-up: a child process failed."));
            return;
        }
        const QList<QByteArray> times = child.readAllStandardOutput().trimmed().split(' ');
        load.append(times.value(0).toDouble());
        application.append(times.value(1).toDouble());
        feed.append(times.value(2).toDouble());
        layouts.append(times.value(3).toDouble());
    }
    const QString runs = QStringLiteral("median of %1 processes").arg(options.startupRuns());
    table->add(
        name,
        QStringLiteral("launch to main: loading Qt, the library and its companions (%1)").arg(runs),
        QStringLiteral("%1 ms").arg(Samples::median(load), 0, 'f', 1));
    table->add(name, QStringLiteral("application object"),
               QStringLiteral("%1 ms").arg(Samples::median(application), 0, 'f', 1));
    table->add(name, QStringLiteral("first feed: built, 100 activities pushed, laid out"),
               QStringLiteral("%1 ms").arg(Samples::median(feed), 0, 'f', 1));
    QVector<double> total;
    for (int i = 0; i < load.size(); ++i)
        total.append(load.at(i) + application.at(i) + feed.at(i));
    table->add(name, QStringLiteral("launch to first feed"),
               {QStringLiteral("startup.first_feed_ms"), Samples::median(total),
                QStringLiteral("ms"), 1, QStringLiteral("<"), 30});
    table->add(name, QStringLiteral("message layouts per bubble of the first feed"),
               {QStringLiteral("layout.per_bubble.startup"), Samples::median(layouts),
                QStringLiteral("layouts"), 2, QStringLiteral("≤"), 1.5});
}

} // namespace Benchmarks
