#include "uxlocale.h"

#include "uxfolderlist_p.h"
#include "uxlogging_p.h"
#include "uxtranslators_p.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <dlfcn.h>

namespace {

struct DefaultLocale
{
    QString name = QLocale::system().name();
    QStringList catalogs;
};

Q_GLOBAL_STATIC(DefaultLocale, s_default)
Q_GLOBAL_STATIC(QStringList, s_addedTranslationPaths)

// The catalogs are installed at a fixed place relative to this library, so a
// moved or relocated tree finds them without being told.
QString installedCatalogFolder()
{
    Dl_info info;
    if (!dladdr(reinterpret_cast<void *>(&installedCatalogFolder), &info) || !info.dli_fname)
        return QString();
    const QString libraryFolder = QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return QDir::cleanPath(libraryFolder + QStringLiteral("/" UXKIT_CATALOGS_FROM_LIBRARY));
}

// "pl" of "pl_PL", "pl_PL.UTF-8" or "pl@euro".
QString languageOf(const QString &localeName)
{
    return localeName.section(QRegularExpression(QStringLiteral("[_.@]")), 0, 0);
}

// Hours and minutes only, also where the short form counts seconds (as the C
// locale's does).
QString shortTimeFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("[^\\w\\s]?s+")));
    return format;
}

} // namespace

UxLocale::UxLocale(QObject *parent)
    : QObject(parent), m_name(s_default->name), m_catalogs(s_default->catalogs)
{
}

UxLocale::UxLocale(const QString &localeName, QObject *parent) : QObject(parent), m_name(localeName)
{
}

QString UxLocale::name() const
{
    return m_name;
}

QString UxLocale::formatNumber(qlonglong number) const
{
    return QLocale(m_name).toString(number);
}

QString UxLocale::formatDateTime(const QDateTime &dateTime, DateType dateType,
                                 TimeType timeType) const
{
    const QLocale locale(m_name);
    QStringList parts;
    if (dateType == DateShort)
        parts.append(locale.toString(dateTime.date(), QLocale::ShortFormat));
    if (timeType == TimeShort)
        parts.append(locale.toString(dateTime, shortTimeFormat(locale)));
    return parts.join(QLatin1Char(' '));
}

void UxLocale::installTrCatalog(const QString &name)
{
    if (name.isEmpty()) {
        qCWarning(lcUxLocale) << "UxLocale::installTrCatalog: empty catalog name";
        return;
    }
    if (!m_catalogs.contains(name))
        m_catalogs.append(name);
}

QStringList UxLocale::trCatalogs() const
{
    return m_catalogs;
}

void UxLocale::setDefault(const UxLocale &locale)
{
    s_default->name = locale.m_name;
    s_default->catalogs = locale.m_catalogs;
    QLocale::setDefault(QLocale(locale.m_name));
    UxTranslators::reinstall(locale.m_catalogs, locale.m_name);
}

QString UxLocale::defaultName()
{
    return s_default->name;
}

QStringList UxLocale::defaultTrCatalogs()
{
    return s_default->catalogs;
}

void UxLocale::addTranslationPath(const QString &directory)
{
    UxFolderList::add(s_addedTranslationPaths, directory, UxFolderList::Position::Last);
}

QStringList UxLocale::translationPaths()
{
    QStringList paths = *s_addedTranslationPaths;
    const QString fromEnvironment = qEnvironmentVariable("UXKIT_TRANSLATION_PATH");
    for (const QString &path : fromEnvironment.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        paths.append(QDir::cleanPath(path));
    const QString installed = installedCatalogFolder();
    if (!installed.isEmpty())
        paths.append(installed);
    paths.removeDuplicates();
    return paths;
}

QString UxLocale::catalogFile(const QString &catalog, const QString &localeName)
{
    QStringList suffixes{localeName, languageOf(localeName), QStringLiteral("en")};
    suffixes.removeAll(QString());
    suffixes.removeDuplicates();
    const QStringList folders = translationPaths();
    for (const QString &suffix : qAsConst(suffixes)) {
        const QString file =
            UxFolderList::find(folders, catalog + QLatin1Char('_') + suffix + QLatin1String(".qm"));
        if (!file.isEmpty())
            return file;
    }
    return QString();
}
