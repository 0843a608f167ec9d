// davovadezed-bench: measures the feed's admission, painting, link
// conversion, memory and start-up, and prints a Markdown table.
//
//   davovadezed-bench          the full run (a few minutes)
//   davovadezed-bench --quick  tiny sizes, for the smoke test; numbers mean
//                              nothing then
//   davovadezed-bench 2 4      only the benchmarks with these numbers
//   davovadezed-bench --tsv    the figures that have goals, one a line:
//                              key, value, unit, goal, met or missed
//   davovadezed-bench --worst [--quick] [PART...]
//                              the longest user-interface-thread block per
//                              hostile case (those whose names contain a
//                              PART), one line each
//
// Exits with 1 when a goal was missed (not with --quick), 2 on bad arguments.
#include "benchdata.h"
#include "benchmarks.h"
#include "benchoptions.h"
#include "benchtable.h"

#include <uxapplication.h>

#include <QLoggingCategory>

#include <cstdio>
#include <cstring>

namespace {

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

int usage(const char *program)
{
    std::fprintf(stderr,
                 "usage: %s [--quick] [--tsv] [1-5...]\n       %s --worst [--quick] [PART...]\n",
                 program, program);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Run from the build tree as it is: the "social" contacts plugin and the
    // catalogs are found there unless the environment says otherwise.
    if (!qEnvironmentVariableIsSet("QT_PLUGIN_PATH"))
        qputenv("QT_PLUGIN_PATH", DAVOVADEZED_BENCH_PLUGIN_DIR);
    if (!qEnvironmentVariableIsSet("UXKIT_TRANSLATION_PATH"))
        qputenv("UXKIT_TRANSLATION_PATH", DAVOVADEZED_BENCH_TRANSLATION_DIR);
    // The library's debug lines are switched off, as in a shipped
    // application: every benchmark runs without them.
    QLoggingCategory::setFilterRules(
        QStringLiteral("davovadezed.debug=false\nuxkit.debug=false\nuxkit.*.debug=false"));
    qInstallMessageHandler(quiet);

    // The parts run in child processes.
    if (argc == 3 && std::strcmp(argv[1], "--startup") == 0) {
        Benchmarks::startupChild(QByteArray(argv[2]).toLongLong());
        return 0;
    }
    if (argc == 4 && std::strcmp(argv[1], "--hostile") == 0) {
        UxApplication app(argc, argv);
        Benchmarks::hostileInput(QByteArray(argv[2]).toInt(), QByteArray(argv[3]).toInt());
        return 0;
    }

    BenchOptions options;
    if (argc >= 4 && std::strcmp(argv[1], "--worst-case") == 0) {
        options.quick = argc == 5 && std::strcmp(argv[4], "--quick") == 0;
        UxApplication app(argc, argv);
        Benchmarks::worstCase(options, QString::fromLocal8Bit(argv[2]),
                              QString::fromLocal8Bit(argv[3]));
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--worst") == 0) {
        QStringList parts;
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], "--quick") == 0)
                options.quick = true;
            else
                parts.append(QString::fromLocal8Bit(argv[i]));
        }
        QCoreApplication app(argc, argv);
        options.program = QCoreApplication::applicationFilePath();
        return Benchmarks::worst(options, parts);
    }

    QList<int> selected;
    bool tsv = false;
    for (int i = 1; i < argc; ++i) {
        bool number = false;
        const int which = QByteArray(argv[i]).toInt(&number);
        if (std::strcmp(argv[i], "--quick") == 0)
            options.quick = true;
        else if (std::strcmp(argv[i], "--tsv") == 0)
            tsv = true;
        else if (number && which >= 1 && which <= 5)
            selected.append(which);
        else
            return usage(argv[0]);
    }
    const auto wanted = [&](int which) { return selected.isEmpty() || selected.contains(which); };

    UxApplication app(argc, argv);
    options.program = QCoreApplication::applicationFilePath();
    BenchData data;
    BenchTable table;
    if (wanted(1))
        Benchmarks::admission(options, &data, &table);
    if (wanted(2))
        Benchmarks::paint(options, &data, &table);
    if (wanted(3))
        Benchmarks::linkConversion(options, &data, &table);
    if (wanted(4))
        Benchmarks::memoryPerBubble(options, &data, &table);
    if (wanted(5))
        Benchmarks::startup(options, &table);
    table.addNote(
        QStringLiteral("All measurements with the debug output of the \"davovadezed\" logging "
                       "category and of every toolkit category (\"uxkit\", \"uxkit.*\") "
                       "disabled, offscreen platform."));

    std::fputs(qPrintable(tsv ? table.toTsv() : table.toMarkdown()), stdout);
    return options.quick || table.missedGoals() == 0 ? 0 : 1;
}
