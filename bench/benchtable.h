#ifndef BENCHTABLE_H
#define BENCHTABLE_H

#include <QList>
#include <QPair>
#include <QString>

// The results of a run, printed as one Markdown table: what was measured,
// the value, the goal, and whether the goal was met; or, for scripts, the
// figures that have a key, one a line.
class BenchTable
{
public:
    enum Verdict { NoGoal, Met, Missed };

    // A figure with a goal that a script can look up by its key.
    struct Figure
    {
        QString key;
        double value;
        QString unit; // empty for a plain number or ratio
        int decimals;
        // "<" or "≤" and the limit, in the figure's unit.
        QString comparison;
        double limit;
    };

    void add(const QString &benchmark, const QString &measure, const QString &value,
             const QString &goal = QString(), Verdict verdict = NoGoal);
    // Adds the figure's row and judges it by its goal; returns whether the
    // goal was met.
    bool add(const QString &benchmark, const QString &measure, const Figure &figure);
    void addNote(const QString &note);

    QString toMarkdown() const;
    // key<TAB>value<TAB>unit<TAB>goal<TAB>met|missed for every figure.
    QString toTsv() const;
    int missedGoals() const;

private:
    struct Row
    {
        QString benchmark;
        QString measure;
        QString value;
        QString goal;
        Verdict verdict;
    };
    QList<Row> m_rows;
    QList<QPair<Figure, bool>> m_figures;
    QStringList m_notes;
};

#endif // BENCHTABLE_H
