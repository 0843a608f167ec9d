#include "uxtranslators_p.h"

#include "uxlocale.h"
#include "uxlogging_p.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QTranslator>

namespace {

// Guarded: the translators are children of the application and die with it.
QList<QPointer<QTranslator>> &installed()
{
    static QList<QPointer<QTranslator>> s_installed;
    return s_installed;
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
    for (const QString &catalog : catalogs) {
        const QString file = UxLocale::catalogFile(catalog, localeName);
        if (file.isEmpty()) {
            qCWarning(lcUxLocale) << "No translation catalog" << catalog << "for" << localeName;
            continue;
        }
        auto *translator = new QTranslator(application);
        if (!translator->load(file)) {
            qCWarning(lcUxLocale) << "Translation catalog could not be read:" << file;
            delete translator;
            continue;
        }
        QCoreApplication::installTranslator(translator);
        installed().append(translator);
    }
}

} // namespace UxTranslators
