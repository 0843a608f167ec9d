#include "zevavizi.h"

#include <uxapplication.h>
#include <uxlocale.h>

void Zevavizi::loadTranslation()
{
    // The catalog goes into the application's default locale, which only
    // exists once the application object does.
    if (!UxApplication::instance())
        qFatal("UxApplication has not been instantiated!");

    UxLocale locale(nullptr);
    locale.installTrCatalog(QStringLiteral("actv"));
    // The few texts looked up by context rather than by id.
    locale.installTrCatalog(QStringLiteral("davovadezed"));
    UxLocale::setDefault(locale);
}
