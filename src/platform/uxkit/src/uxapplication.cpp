#include "uxapplication.h"

#include "uxlocale.h"
#include "uxwindowregistry_p.h"

UxApplication *UxApplication::s_instance = nullptr;

UxApplication::UxApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    s_instance = this;
    // Catalogs made default before the application existed could not be
    // installed then.
    UxLocale::setDefault(UxLocale());
}

UxApplication::~UxApplication()
{
    s_instance = nullptr;
}

UxApplication *UxApplication::instance()
{
    return s_instance;
}

UxApplicationWindow *UxApplication::activeApplicationWindow()
{
    return UxWindowRegistry::mostRecentlyShown();
}
