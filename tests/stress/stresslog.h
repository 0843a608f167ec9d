#ifndef STRESSLOG_H
#define STRESSLOG_H

#include <QString>

// The stress test's message handler: the test's own lines go to the
// console, warnings are only counted (a long random run writes many
// legitimate ones), and critical messages are kept for the test to fail on.
namespace StressLog {

void install();
// The first critical message since the last call, or an empty string.
QString takeCritical();
// The warnings seen, most frequent first.
void printSummary();

} // namespace StressLog

#endif // STRESSLOG_H
