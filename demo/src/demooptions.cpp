#include "demooptions.h"

#include <QCommandLineParser>

#include <algorithm>

namespace {

// QCommandLineParser::helpText() reads the program name from the application
// object, which the demo creates only after the options: help and mistakes
// must work without a display.
QString formatHelp(const QString &program, const QString &description,
                   const QList<QCommandLineOption> &options)
{
    QStringList names;
    for (const QCommandLineOption &option : options) {
        QStringList spelled;
        for (const QString &name : option.names())
            spelled.append((name.size() == 1 ? QLatin1String("-") : QLatin1String("--")) + name);
        QString text = spelled.join(QLatin1String(", "));
        if (!option.valueName().isEmpty())
            text += QStringLiteral(" <%1>").arg(option.valueName());
        names.append(text);
    }
    int width = 0;
    for (const QString &name : qAsConst(names))
        width = std::max(width, int(name.size()));

    QString help =
        QStringLiteral("Usage: %1 [options]\n%2\n\nOptions:\n").arg(program, description);
    for (int i = 0; i < options.size(); ++i) {
        help +=
            QStringLiteral("  %1  %2\n").arg(names.at(i), -width).arg(options.at(i).description());
    }
    return help;
}

} // namespace

DemoOptions::Outcome DemoOptions::parse(const QStringList &arguments)
{
    const QString description = QStringLiteral(
        "Shows the activity feed of a sample social data set. Without a display, it draws "
        "the window into demo.png in the current folder, as --screenshot does.");
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    const QCommandLineOption data(QStringLiteral("data"),
                                  QStringLiteral("Data set to load instead of the sample."),
                                  QStringLiteral("file"));
    const QCommandLineOption live(
        QStringLiteral("live"),
        QStringLiteral("Post a new activity or add a like every few seconds "
                       "(not with --screenshot)."));
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Write the window to a PNG file, print what it shows and exit."),
        QStringLiteral("file"));
    const QCommandLineOption openComments(
        QStringLiteral("open-comments"),
        QStringLiteral("Open the comments page of bubble n (from 1) once the feed is in."),
        QStringLiteral("n"));
    const QCommandLineOption dark(QStringLiteral("dark"),
                                  QStringLiteral("Use a dark palette, as a dark desktop does."));
    const QCommandLineOption rtl(
        QStringLiteral("rtl"),
        QStringLiteral("Lay the window out from right to left, as Qt's -reverse does."));
    const QList<QCommandLineOption> options{help, data, live, screenshot, openComments, dark, rtl};
    QCommandLineParser parser;
    parser.addOptions(options);

    if (!parser.parse(arguments)) {
        m_error = parser.errorText();
        return Invalid;
    }
    if (parser.isSet(help)) {
        m_helpText = formatHelp(arguments.value(0), description, options);
        return ShowHelp;
    }
    if (!parser.positionalArguments().isEmpty()) {
        m_error =
            QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().first());
        return Invalid;
    }
    m_dataFile = parser.value(data);
    m_live = parser.isSet(live);
    m_screenshotFile = parser.value(screenshot);
    m_dark = parser.isSet(dark);
    m_rightToLeft = parser.isSet(rtl);
    if (parser.isSet(openComments)) {
        bool ok = false;
        m_openComments = parser.value(openComments).toInt(&ok);
        if (!ok || m_openComments < 1) {
            m_error = QStringLiteral("--open-comments needs a bubble number from 1, not \"%1\"")
                          .arg(parser.value(openComments));
            return Invalid;
        }
    }
    return Run;
}
