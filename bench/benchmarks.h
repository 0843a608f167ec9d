#ifndef BENCHMARKS_H
#define BENCHMARKS_H

#include <QStringList>
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
// The longest user-interface-thread block per hostile case, printed line by
// line; the cases whose names contain one of the selected parts (all when
// none is given). Returns the exit code: 1 when a case failed, or,
// without --quick, missed the goal.
int worst(const BenchOptions &options, const QStringList &selected);

// The parts that run in a child process of the benchmark: they print their
// times on standard output.
void hostileInput(int index, int bytes);
void startupChild(qint64 launchedNs);
void worstCase(const BenchOptions &options, const QString &name, const QString &folder);

} // namespace Benchmarks

#endif // BENCHMARKS_H
