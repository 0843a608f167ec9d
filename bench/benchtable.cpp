#include "benchtable.h"

#include <QStringList>

void BenchTable::add(const QString &benchmark, const QString &measure, const QString &value,
                     const QString &goal, Verdict verdict)
{
    m_rows.append({benchmark, measure, value, goal, verdict});
}

bool BenchTable::add(const QString &benchmark, const QString &measure, const Figure &figure)
{
    const bool met = figure.comparison == QLatin1String("<") ? figure.value < figure.limit
                                                             : figure.value <= figure.limit;
    const QString unit =
        figure.unit.isEmpty() ? QStringLiteral("×") : QLatin1Char(' ') + figure.unit;
    add(benchmark, measure, QString::number(figure.value, 'f', figure.decimals) + unit,
        QStringLiteral("%1 %2%3").arg(figure.comparison).arg(figure.limit).arg(unit),
        met ? Met : Missed);
    m_figures.append(qMakePair(figure, met));
    return met;
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

QString BenchTable::toTsv() const
{
    QString lines;
    for (const auto &figure : m_figures) {
        const Figure &f = figure.first;
        lines += QStringLiteral("%1\t%2\t%3\t%4 %5\t%6\n")
                     .arg(f.key, QString::number(f.value, 'f', f.decimals),
                          f.unit.isEmpty() ? QStringLiteral("ratio") : f.unit, f.comparison,
                          QString::number(f.limit),
                          figure.second ? QStringLiteral("met") : QStringLiteral("missed"));
    }
    return lines;
}

int BenchTable::missedGoals() const
{
    int missed = 0;
    for (const Row &row : m_rows)
        missed += row.verdict == Missed ? 1 : 0;
    return missed;
}
