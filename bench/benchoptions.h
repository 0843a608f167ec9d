#ifndef BENCHOPTIONS_H
#define BENCHOPTIONS_H

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
};

#endif // BENCHOPTIONS_H
