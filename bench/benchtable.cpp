#include "benchtable.h"

#include <QStringList>

void BenchTable::add(const QString &benchmark, const QString &measure, const QString &value,
                     const QString &goal, Verdict verdict)
{
    m_rows.append({benchmark, measure, value, goal, verdict});
}

void BenchTable::addNote(const QString &note)
{
    m_notes.append(note);
}

QString BenchTable::toMarkdown() const
{
    static const char *const s_verdicts[] = {"", "met", "**missed**"};
    QStringList lines;
    lines << QStringLiteral("| Benchmark | Measure | Value | Goal | |")
          << QStringLiteral("|---|---|---:|---|---|");
    QString previous;
    for (const Row &row : m_rows) {
        // The benchmark's name only on its first row keeps the table readable.
        const QString name = row.benchmark == previous ? QString() : row.benchmark;
        previous = row.benchmark;
        lines << QStringLiteral("| %1 | %2 | %3 | %4 | %5 |")
                     .arg(name, row.measure, row.value, row.goal,
                          QLatin1String(s_verdicts[row.verdict]));
    }
    for (const QString &note : m_notes)
        lines << QString() << note;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

int BenchTable::missedGoals() const
{
    int missed = 0;
    for (const Row &row : m_rows)
        missed += row.verdict == Missed ? 1 : 0;
    return missed;
}
