// davovadezed-demo: the activity feed of a sample social data set, as an
// application embedding the library would show it.
#include "darkpalette.h"
#include "demooptions.h"
#include "demosession.h"
#include "runtimefolders.h"

#include <uxapplication.h>

#include <QDir>
#include <QLoggingCategory>
#include <QTextStream>

#include <vector>

namespace {

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// Without a display the platform plugin would abort: draw off screen.
bool chooseHeadlessPlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return true;
}

int fail(const QString &message)
{
    QTextStream(stderr) << "davovadezed-demo: " << message << '\n';
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    // Before the application object, which needs a display.
    DemoOptions options;
    switch (options.parse(argumentsOf(argc, argv))) {
    case DemoOptions::Invalid:
        return fail(options.error());
    case DemoOptions::ShowHelp:
        QTextStream(stdout) << options.helpText();
        return 0;
    case DemoOptions::Run:
        break;
    }

    QString screenshotFile = options.screenshotFile();
    if (chooseHeadlessPlatform() && screenshotFile.isEmpty()) {
        screenshotFile = QDir::current().absoluteFilePath(QStringLiteral("demo.png"));
        QTextStream(stderr) << "davovadezed-demo: no display; drawing the window into "
                            << QDir::toNativeSeparators(screenshotFile) << " instead\n";
    }
    RuntimeFolders::setUpPluginPath();
    // The library's debug chatter stays off unless QT_LOGGING_RULES asks
    // for it.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    // Qt's own switch: every catalog installed later sets the direction
    // again, to its language's unless -reverse was given.
    std::vector<char *> qtArguments(argv, argv + argc);
    static char reverse[] = "-reverse";
    if (options.rightToLeft())
        qtArguments.push_back(reverse);
    int qtArgumentCount = int(qtArguments.size());
    qtArguments.push_back(nullptr);
    UxApplication app(qtArgumentCount, qtArguments.data());
    RuntimeFolders::setUpTranslationPath();
    if (options.dark())
        QApplication::setPalette(DarkPalette::palette());

    const QString dataFile =
        options.dataFile().isEmpty() ? RuntimeFolders::sampleDataFile() : options.dataFile();
    if (dataFile.isEmpty())
        return fail(QStringLiteral("the sample data set is missing; give one with --data FILE"));

    DemoSession session;
    if (!session.loadData(dataFile))
        return fail(QStringLiteral("cannot load the data set %1").arg(dataFile));
    const bool screenshot = !screenshotFile.isEmpty();
    if (!session.showFeed()) {
        // A picture of a half-loaded feed would mislead; a window can go on.
        if (screenshot)
            return fail(QStringLiteral("the feed did not arrive in time"));
        QTextStream(stderr) << "davovadezed-demo: the feed is slow to arrive\n";
    }
    QString error;
    if (options.openComments() > 0 && !session.openComments(options.openComments(), &error))
        return fail(error);

    if (screenshot) {
        if (!session.writeScreenshot(screenshotFile, &error))
            return fail(error);
        QTextStream out(stdout);
        for (const QString &line : session.report())
            out << line << '\n';
        return 0;
    }
    if (options.live())
        session.startLive();
    return app.exec();
}
