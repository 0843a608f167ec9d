#include "uxtranslators_p.h"

#include "uxlocale.h"
#include "uxlogging_p.h"

#include <QCoreApplication>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

// Guarded: the translators are children of the application and die with it.
QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> s_installed;
    return s_installed;
}

// The system locale carries the user's list of preferred languages; a named
// one only its own.
QLocale localeNamed(const QString &localeName)
{
    const QLocale system = QLocale::system();
    return system.name() == localeName ? system : QLocale(localeName);
}

// The catalog for the locale's languages, tried in their order of
// preference, from the first folder that has one.
QTranslator *loadLocalized(const QString &catalog, const QLocale &locale, QObject *parent)
{
    auto *translator = new QTranslator(parent);
    const QStringList folders = UxLocale::translationPaths();
    for (const QString &folder : folders) {
        if (translator->load(locale, catalog, QStringLiteral("_"), folder, QStringLiteral(".qm")))
            return translator;
    }
    delete translator;
    return nullptr;
}

QTranslator *loadFile(const QString &file, QObject *parent)
{
    auto *translator = new QTranslator(parent);
    if (translator->load(file))
        return translator;
    qCWarning(lcUxLocale) << "Translation catalog could not be read:" << file;
    delete translator;
    return nullptr;
}

void install(QTranslator *translator)
{
    QCoreApplication::installTranslator(translator);
    installed().append(translator);
}

} // namespace

namespace UxTranslators {

void reinstall(const QStringList &catalogs, const QString &localeName)
{
    for (const QPointer<QTranslator> &translator : qAsConst(installed())) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    installed().clear();

    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    const QLocale locale = localeNamed(localeName);
    for (const QString &catalog : catalogs) {
        // Engineering English lies underneath (the translator installed last
        // is asked first), so an id the locale's catalog lacks still reads
        // as text rather than as the id.
        const QString englishFile = UxLocale::catalogFile(catalog, QStringLiteral("en"));
        QTranslator *english = englishFile.isEmpty() ? nullptr : loadFile(englishFile, application);
        QTranslator *localized = loadLocalized(catalog, locale, application);
        if (!english && !localized) {
            if (englishFile.isEmpty())
                qCWarning(lcUxLocale) << "No translation catalog" << catalog << "for" << localeName;
            continue;
        }
        if (english && localized && localized->filePath() == english->filePath()) {
            delete localized;
            localized = nullptr;
        }
        if (english)
            install(english);
        if (localized)
            install(localized);
    }
}

} // namespace UxTranslators
