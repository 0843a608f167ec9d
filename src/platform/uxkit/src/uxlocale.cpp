#include "uxlocale.h"

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

DefaultLocale &defaultLocale()
{
    static DefaultLocale s_default;
    return s_default;
}

QStringList &addedTranslationPaths()
{
    static QStringList s_paths;
    return s_paths;
}

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

QString mediumDateFormat(const QLocale &locale)
{
    // The short form with the month spelled short and the full year.
    QString format = locale.dateFormat(QLocale::ShortFormat);
    format.replace(QRegularExpression(QStringLiteral("M+")), QStringLiteral("MMM"));
    format.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
    return format;
}

QString dateFormat(const QLocale &locale, UxLocale::DateType type)
{
    switch (type) {
    case UxLocale::DateShort:
        return locale.dateFormat(QLocale::ShortFormat);
    case UxLocale::DateMedium:
        return mediumDateFormat(locale);
    case UxLocale::DateLong: {
        // The long form without the weekday.
        QString format = locale.dateFormat(QLocale::LongFormat);
        format.remove(QRegularExpression(QStringLiteral("d{4}[^dMy]*")));
        return format.trimmed();
    }
    case UxLocale::DateFull:
        return locale.dateFormat(QLocale::LongFormat);
    case UxLocale::DateNone:
        break;
    }
    return QString();
}

QString timeFormat(const QLocale &locale, UxLocale::TimeType type)
{
    switch (type) {
    case UxLocale::TimeShort: {
        // Hours and minutes only, also where the short form counts seconds
        // (as the C locale's does).
        QString format = locale.timeFormat(QLocale::ShortFormat);
        format.remove(QRegularExpression(QStringLiteral("[^\\w\\s]?s+")));
        return format;
    }
    case UxLocale::TimeMedium: {
        // The long form without the time zone.
        QString format = locale.timeFormat(QLocale::LongFormat);
        format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
        return format.trimmed();
    }
    case UxLocale::TimeLong:
    case UxLocale::TimeFull:
        return locale.timeFormat(QLocale::LongFormat);
    case UxLocale::TimeNone:
        break;
    }
    return QString();
}

} // namespace

UxLocale::UxLocale(QObject *parent)
    : QObject(parent), m_name(defaultLocale().name), m_catalogs(defaultLocale().catalogs)
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

QString UxLocale::formatNumber(double number, int precision) const
{
    return QLocale(m_name).toString(number, 'f', precision);
}

QString UxLocale::formatDateTime(const QDateTime &dateTime, DateType dateType, TimeType timeType,
                                 CalendarType) const
{
    // Both calendar types are Gregorian.
    const QLocale locale(m_name);
    QStringList parts;
    const QString date = dateFormat(locale, dateType);
    if (!date.isEmpty())
        parts.append(locale.toString(dateTime.date(), date));
    const QString time = timeFormat(locale, timeType);
    if (!time.isEmpty())
        parts.append(locale.toString(dateTime, time));
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

void UxLocale::removeTrCatalog(const QString &name)
{
    m_catalogs.removeAll(name);
}

QStringList UxLocale::trCatalogs() const
{
    return m_catalogs;
}

void UxLocale::setDefault(const UxLocale &locale)
{
    defaultLocale().name = locale.m_name;
    defaultLocale().catalogs = locale.m_catalogs;
    QLocale::setDefault(QLocale(locale.m_name));
    UxTranslators::reinstall(locale.m_catalogs, locale.m_name);
}

QString UxLocale::defaultName()
{
    return defaultLocale().name;
}

QStringList UxLocale::defaultTrCatalogs()
{
    return defaultLocale().catalogs;
}

void UxLocale::addTranslationPath(const QString &directory)
{
    const QString path = QDir::cleanPath(directory);
    if (!directory.isEmpty() && !addedTranslationPaths().contains(path))
        addedTranslationPaths().append(path);
}

QStringList UxLocale::translationPaths()
{
    QStringList paths = addedTranslationPaths();
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
        const QString fileName = catalog + QLatin1Char('_') + suffix + QLatin1String(".qm");
        for (const QString &folder : folders) {
            const QString candidate = folder + QLatin1Char('/') + fileName;
            if (QFileInfo::exists(candidate))
                return candidate;
        }
    }
    return QString();
}
