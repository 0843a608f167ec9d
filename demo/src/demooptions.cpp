#include "demooptions.h"

#include <QCommandLineParser>

DemoOptions::Outcome DemoOptions::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows the activity feed of a sample social data set."));
    const QCommandLineOption help = parser.addHelpOption();
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
    parser.addOptions({data, live, screenshot, openComments});

    if (!parser.parse(arguments)) {
        m_error = parser.errorText();
        return Invalid;
    }
    if (parser.isSet(help)) {
        m_helpText = parser.helpText();
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
