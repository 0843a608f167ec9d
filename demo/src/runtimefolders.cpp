#include "runtimefolders.h"

#include <uxlocale.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

QString executableFolder()
{
    // Readable before the application object exists, unlike
    // QCoreApplication::applicationDirPath().
    return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

// The first of the build-tree and install-tree folders that holds the entry.
QString findFolder(const char *buildRelative, const char *installRelative, const QString &entry)
{
    const QDir base(executableFolder());
    for (const char *relative : {buildRelative, installRelative}) {
        const QString folder = QDir::cleanPath(base.filePath(QString::fromUtf8(relative)));
        if (QFileInfo::exists(QDir(folder).filePath(entry)))
            return folder;
    }
    return QString();
}

} // namespace

namespace RuntimeFolders {

void setUpPluginPath()
{
    if (!qEnvironmentVariableIsEmpty("QT_PLUGIN_PATH"))
        return;
    const QString folder =
        findFolder(DEMO_BUILD_PLUGIN_DIR, DEMO_INSTALL_PLUGIN_DIR, QStringLiteral("contacts"));
    if (!folder.isEmpty())
        qputenv("QT_PLUGIN_PATH", QFile::encodeName(folder));
}

void setUpTranslationPath()
{
    const QString folder = findFolder(DEMO_BUILD_TRANSLATION_DIR, DEMO_INSTALL_TRANSLATION_DIR,
                                      QStringLiteral("actv_en.qm"));
    if (!folder.isEmpty())
        UxLocale::addTranslationPath(folder);
}

QString sampleDataFile()
{
    const QString name = QStringLiteral("sample.json");
    const QString folder = findFolder(DEMO_BUILD_DATA_DIR, DEMO_INSTALL_DATA_DIR, name);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(name);
}

} // namespace RuntimeFolders
