// The message conversion (web links to anchors): throughput on realistic
// messages and the worst case on hostile input. The conversion is timed alone,
// through the library's own conversion unit linked into this program, and also as users
// meet it: a description update of a bubble (escaping, conversion, rich-text
// layout of the message).
#include "benchdata.h"
#include "benchmarks.h"
#include "benchoptions.h"
#include "benchtable.h"
#include "hostileinputs.h"
#include "samples.h"

#include <activitybubble.h>
#include <messagetext_p.h>

#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

namespace {

// A hostile input that runs longer than this is stopped and reported as
// slower than it.
const int s_hostileLimitMs = 30000;

SocialActivity describedActivity(const QString &description)
{
    SocialActivity activity;
    activity.setProperty(SocialGenericData::Id, QStringLiteral("bench"));
    activity.setProperty(SocialGenericData::ParentAccount, QStringLiteral("fb-1"));
    activity.setProperty(SocialActivity::OwnerPersonId, QStringLiteral("fb-1-friend1"));
    activity.setProperty(SocialActivity::StartTime, BenchData::baseTime());
    activity.setProperty(SocialGenericData::Description, description);
    return activity;
}

double megabytesPerSecond(qint64 bytes, qint64 ns)
{
    return ns > 0 ? bytes / 1e6 / (ns / 1e9) : 0;
}

} // namespace

namespace Benchmarks {

// Runs one hostile input in this process and prints the two times in ms;
// see hostileChild() in main.cpp.
void hostileInput(int index, int bytes)
{
    const QString text = HostileInputs::make(index, bytes).toHtmlEscaped();
    QElapsedTimer timer;
    timer.start();
    MessageText::toHtml(text);
    const double conversionMs = timer.nsecsElapsed() / 1e6;

    ActivityBubble bubble;
    timer.restart();
    bubble.setActivity(describedActivity(HostileInputs::make(index, bytes)), {});
    const double updateMs = timer.nsecsElapsed() / 1e6;
    std::printf("%f %f\n", conversionMs, updateMs);
}

void linkConversion(const BenchOptions &options, BenchData *data, BenchTable *table)
{
    const QString name = QStringLiteral("3. Link conversion");
    QStringList corpus;
    qint64 bytes = 0;
    while (bytes < options.linkCorpusBytes()) {
        corpus.append(data->message().toHtmlEscaped());
        bytes += corpus.last().toUtf8().size();
    }

    // Warm: the expressions are compiled on first use.
    MessageText::toHtml(corpus.first());
    QElapsedTimer timer;
    timer.start();
    for (const QString &message : qAsConst(corpus))
        MessageText::toHtml(message);
    const double throughput = megabytesPerSecond(bytes, timer.nsecsElapsed());
    table->add(name,
               QStringLiteral("conversion alone, %1 realistic messages (%2 KB)")
                   .arg(corpus.size())
                   .arg(bytes / 1000),
               QStringLiteral("%1 MB/s").arg(throughput, 0, 'f', 1), QStringLiteral("> 20 MB/s"),
               throughput > 20 ? BenchTable::Met : BenchTable::Missed);

    ActivityBubble bubble;
    const QList<QString> description = {SocialGenericData::Description};
    bubble.setActivity(describedActivity(QString()), {});
    qint64 updateNs = 0;
    for (const QString &message : qAsConst(corpus)) {
        const SocialActivity activity = describedActivity(message);
        timer.restart();
        bubble.setActivity(activity, description);
        updateNs += timer.nsecsElapsed();
    }
    table->add(name, QStringLiteral("description update of a bubble, same messages"),
               QStringLiteral("%1 MB/s").arg(megabytesPerSecond(bytes, updateNs), 0, 'f', 1));

    // Hostile inputs run in a child process each, so that a runaway match
    // can be stopped.
    double worstConversion = 0;
    double worstUpdate = 0;
    QString worstName;
    QStringList slow;
    for (int i = 0; i < HostileInputs::count(); ++i) {
        QProcess child;
        child.start(options.program, {QStringLiteral("--hostile"), QString::number(i),
                                      QString::number(options.hostileBytes())});
        double conversionMs = s_hostileLimitMs;
        double updateMs = s_hostileLimitMs;
        if (child.waitForFinished(s_hostileLimitMs) && child.exitCode() == 0) {
            const QList<QByteArray> times = child.readAllStandardOutput().trimmed().split(' ');
            conversionMs = times.value(0).toDouble();
            updateMs = times.value(1).toDouble();
        } else {
            child.kill();
            child.waitForFinished();
        }
        if (conversionMs > 50)
            slow.append(HostileInputs::name(i));
        if (conversionMs > worstConversion) {
            worstConversion = conversionMs;
            worstName = HostileInputs::name(i);
        }
        worstUpdate = qMax(worstUpdate, updateMs);
    }
    const auto ms = [](double value) {
        return value >= s_hostileLimitMs ? QStringLiteral("> %1 s").arg(s_hostileLimitMs / 1000)
                                         : QStringLiteral("%1 ms").arg(value, 0, 'f', 1);
    };
    table->add(name,
               QStringLiteral("worst conversion of %1 hostile %2 KiB inputs (%3)")
                   .arg(HostileInputs::count())
                   .arg(options.hostileBytes() / 1024)
                   .arg(worstName),
               ms(worstConversion), QStringLiteral("< 50 ms"),
               worstConversion < 50 ? BenchTable::Met : BenchTable::Missed);
    if (!slow.isEmpty())
        table->add(name, QStringLiteral("hostile inputs over 50 ms"),
                   slow.join(QStringLiteral(", ")));
    table->add(name, QStringLiteral("worst description update, same inputs"), ms(worstUpdate));
}

} // namespace Benchmarks
