// The worst block of the user-interface thread that one activity causes,
// over hostile texts and pictures; see worstcase.cpp for one case.
#include "benchmarks.h"
#include "benchoptions.h"
#include "worstcases.h"
#include "worstpictures.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

#include <sys/resource.h>

namespace {

const double s_goalMs = 50;

bool wanted(const QString &name, const QStringList &selected)
{
    for (const QString &part : selected) {
        if (name.contains(part, Qt::CaseInsensitive))
            return true;
    }
    return selected.isEmpty();
}

QString lastLine(const QByteArray &output)
{
    const QList<QByteArray> lines = output.trimmed().split('\n');
    return QString::fromLocal8Bit(lines.last()).trimmed();
}

} // namespace

namespace Benchmarks {

int worst(const BenchOptions &options, const QStringList &selected)
{
    QTemporaryDir folder;
    QElapsedTimer timer;
    timer.start();
    if (!folder.isValid() || !WorstPictures::make(folder.path(), {options.worstPictureSide(),
                                                                  options.worstLargeSide()})) {
        std::fprintf(stderr, "could not make the pictures in %s\n", qPrintable(folder.path()));
        return 2;
    }
    std::fprintf(stderr, "pictures made in %.1f s\n", timer.nsecsElapsed() / 1e9);

    int missed = 0;
    int failed = 0;
    long largestKiB = 0;
    QString largest;
    for (const QString &name : WorstCases::names(options)) {
        if (!wanted(name, selected))
            continue;
        QStringList arguments = {QStringLiteral("--worst-case"), name, folder.path()};
        if (options.quick)
            arguments.append(QStringLiteral("--quick"));
        QProcess child;
        child.start(options.program, arguments);
        QString result;
        const bool finished = child.waitForFinished(options.worstLimitMs());
        // What the library wrote, refusals included, stays readable.
        const QByteArray log = child.readAllStandardError();
        std::fputs(log.constData(), stderr);
        if (!finished) {
            child.kill();
            child.waitForFinished();
            result = QStringLiteral("hang (over %1 s)").arg(options.worstLimitMs() / 1000);
            ++missed;
        } else if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            result = QStringLiteral("failed (%1)").arg(lastLine(log));
            ++failed;
        } else {
            const QList<QByteArray> values = child.readAllStandardOutput().trimmed().split(' ');
            const double ms = values.value(0).toDouble();
            const long kib = values.value(1).toLong();
            result = QStringLiteral("%1 ms").arg(ms, 0, 'f', 1);
            missed += ms >= s_goalMs;
            if (kib > largestKiB) {
                largestKiB = kib;
                largest = name;
            }
        }
        std::printf("worst %s %s (goal %.0f ms)\n", qPrintable(name), qPrintable(result), s_goalMs);
        std::fflush(stdout);
    }
    // A case that was stopped reports no size of its own; the system still
    // counts it.
    rusage usage;
    getrusage(RUSAGE_CHILDREN, &usage);
    if (usage.ru_maxrss > largestKiB)
        largest = QStringLiteral("a case without a result");
    std::printf("peak RSS %.1f MiB (%s)\n", qMax(usage.ru_maxrss, largestKiB) / 1024.0,
                qPrintable(largest));
    // The smoke test's sizes say nothing about time, but a case that
    // crashed or showed nothing is a broken benchmark.
    return failed > 0 || (!options.quick && missed > 0) ? 1 : 0;
}

} // namespace Benchmarks
