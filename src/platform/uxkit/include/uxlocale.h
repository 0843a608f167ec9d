#ifndef UXLOCALE_H
#define UXLOCALE_H

#include "uxkit_global.h"

#include <QObject>
#include <QStringList>

class QDateTime;

// A locale: number and date formatting, and the translation catalogs that
// belong to it. One locale is the default; its catalogs are installed into
// the application, so that qtTrId() finds their texts.
//
// A catalog <name> is read from <name>_<locale>.qm, trying the full locale
// name (pl_PL), then its language (pl), then engineering English (en), in
// the folders added with addTranslationPath(), then those listed in the
// environment variable UXKIT_TRANSLATION_PATH (separated by ':'), then the
// toolkit's installed catalog folder, found relative to the toolkit library.
// Installing a locale installs, for each catalog, the one for the locale's
// languages over the engineering English one.
class UXKIT_EXPORT UxLocale : public QObject
{
    Q_OBJECT

public:
    enum DateType { DateNone, DateShort };
    Q_ENUM(DateType)
    enum TimeType { TimeNone, TimeShort };
    Q_ENUM(TimeType)

    // A copy of the default locale, catalogs included.
    explicit UxLocale(QObject *parent = nullptr);
    // The named locale (for example "pl_PL"), without catalogs.
    explicit UxLocale(const QString &localeName, QObject *parent = nullptr);

    QString name() const;

    QString formatNumber(qlonglong number) const;
    // The date, then the time, each in the locale's short form, as far as asked
    // for; the short time is hours and minutes.
    QString formatDateTime(const QDateTime &dateTime, DateType dateType, TimeType timeType) const;

    void installTrCatalog(const QString &name);
    QStringList trCatalogs() const;

    // Makes a copy of the locale (its name and catalogs) the default, and
    // replaces the translators of the previous default with its own.
    static void setDefault(const UxLocale &locale);
    static QString defaultName();
    static QStringList defaultTrCatalogs();

    static void addTranslationPath(const QString &directory);
    static QStringList translationPaths();
    // The file a catalog is read from for a locale, or an empty string.
    static QString catalogFile(const QString &catalog, const QString &localeName);

private:
    QString m_name;
    QStringList m_catalogs;
};

#endif // UXLOCALE_H
