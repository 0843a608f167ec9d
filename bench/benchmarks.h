#ifndef BENCHMARKS_H
#define BENCHMARKS_H

#include <QtGlobal>

class BenchData;
class BenchTable;
struct BenchOptions;

// The measurements of davovadezed-bench, each adding its rows to the table.
namespace Benchmarks {

void admission(const BenchOptions &options, BenchData *data, BenchTable *table);
void paint(const BenchOptions &options, BenchData *data, BenchTable *table);
void linkConversion(const BenchOptions &options, BenchData *data, BenchTable *table);
void memoryPerBubble(const BenchOptions &options, BenchData *data, BenchTable *table);
void startup(const BenchOptions &options, BenchTable *table);

// The parts that run in a child process of the benchmark: they print their
// times on standard output.
void hostileInput(int index, int bytes);
void startupChild(qint64 launchedNs);

} // namespace Benchmarks

#endif // BENCHMARKS_H
