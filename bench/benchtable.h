#ifndef BENCHTABLE_H
#define BENCHTABLE_H

#include <QList>
#include <QString>

// The results of a run, printed as one Markdown table: what was measured,
// the value, the goal, and whether the goal was met.
class BenchTable
{
public:
    enum Verdict { NoGoal, Met, Missed };

    void add(const QString &benchmark, const QString &measure, const QString &value,
             const QString &goal = QString(), Verdict verdict = NoGoal);
    void addNote(const QString &note);

    QString toMarkdown() const;
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
    QStringList m_notes;
};

#endif // BENCHTABLE_H
