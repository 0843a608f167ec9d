#ifndef BENCHOPTIONS_H
#define BENCHOPTIONS_H

#include <QList>
#include <QString>

// What a run measures and how long it takes: --quick shrinks every size so
// that the smoke test finishes in seconds; the numbers are then meaningless.
struct BenchOptions
{
    bool quick = false;
    QString program; // this executable, for the measurements in a child process

    int admissionFirst() const { return quick ? 300 : 10000; }
    int admissionTotal() const { return quick ? 1000 : 100000; }
    int paintFrames() const { return quick ? 3 : 200; }
    int linkCorpusBytes() const { return quick ? 16 * 1024 : 2 * 1024 * 1024; }
    int hostileBytes() const { return quick ? 1024 : 64 * 1024; }
    int memoryBubbles() const { return quick ? 10 : 200; }
    int startupRuns() const { return quick ? 1 : 7; }
    QList<int> worstMessageBytes() const
    {
        return quick ? QList<int>{1024, 4096} : QList<int>{64 * 1024, 1024 * 1024};
    }
    int worstPictureSide() const { return quick ? 2000 : 20000; }
    // Just under the library's 40-megapixel budget: decoded, not refused.
    int worstLargeSide() const { return quick ? 1000 : 6000; }
    int worstMediaItems() const { return quick ? 100 : 10000; }
    // A case still running after this long is reported as a hang.
    int worstLimitMs() const { return quick ? 10000 : 20000; }
};

#endif // BENCHOPTIONS_H
