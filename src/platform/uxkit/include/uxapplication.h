#ifndef UXAPPLICATION_H
#define UXAPPLICATION_H

#include "uxkit_global.h"

#include <QApplication>

class UxApplicationWindow;

// The application object of a toolkit application; create it before any
// toolkit widget. It installs the catalogs of the default locale.
class UXKIT_EXPORT UxApplication : public QApplication
{
    Q_OBJECT

public:
    UxApplication(int &argc, char **argv);
    ~UxApplication() override;

    // The application object; null before it exists and after it is gone.
    static UxApplication *instance();
    // The application window shown most recently that still exists, or null.
    static UxApplicationWindow *activeApplicationWindow();

private:
    static UxApplication *s_instance;
};

#endif // UXAPPLICATION_H
