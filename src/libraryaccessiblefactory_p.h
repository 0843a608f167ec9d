#ifndef LIBRARYACCESSIBLEFACTORY_P_H
#define LIBRARYACCESSIBLEFACTORY_P_H

#include <QString>

class QAccessibleInterface;
class QObject;

// Makes the library's own widgets known to assistive technology while the
// library is loaded; the toolkit's answer for the rest.
class LibraryAccessibleFactory
{
public:
    LibraryAccessibleFactory();
    ~LibraryAccessibleFactory();

    static QAccessibleInterface *create(const QString &className, QObject *object);

private:
    Q_DISABLE_COPY(LibraryAccessibleFactory)
};

#endif // LIBRARYACCESSIBLEFACTORY_P_H
