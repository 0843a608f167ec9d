#include "stresslog.h"

#include <QHash>
#include <QVector>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QHash<QString, int> s_warnings;
QString s_critical;

// Warnings of one kind differ only in the values at their end.
QString kindOf(const QString &message)
{
    const int quote = message.indexOf(QLatin1Char('"'));
    return (quote < 0 ? message : message.left(quote)).left(100).trimmed();
}

void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    switch (type) {
    case QtDebugMsg:
        break;
    case QtInfoMsg:
        if (qstrcmp(context.category, "default") == 0)
            std::fprintf(stderr, "%s\n", qPrintable(message));
        break;
    case QtWarningMsg:
        ++s_warnings[kindOf(message)];
        break;
    case QtCriticalMsg:
        if (s_critical.isEmpty())
            s_critical = message;
        break;
    case QtFatalMsg:
        std::fprintf(stderr, "fatal: %s\n", qPrintable(message));
        std::abort();
    }
}

} // namespace

namespace StressLog {

void install()
{
    qInstallMessageHandler(handle);
}

QString takeCritical()
{
    QString critical;
    critical.swap(s_critical);
    return critical;
}

void printSummary()
{
    QVector<QPair<int, QString>> kinds;
    for (auto it = s_warnings.cbegin(); it != s_warnings.cend(); ++it)
        kinds.append(qMakePair(it.value(), it.key()));
    std::sort(kinds.begin(), kinds.end(), [](const auto &a, const auto &b) { return a > b; });
    std::fprintf(stderr, "warnings written during the run:\n");
    for (const auto &kind : qAsConst(kinds))
        std::fprintf(stderr, "%8d  %s\n", kind.first, qPrintable(kind.second));
}

} // namespace StressLog
