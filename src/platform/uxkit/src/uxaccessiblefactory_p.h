#ifndef UXACCESSIBLEFACTORY_P_H
#define UXACCESSIBLEFACTORY_P_H

#include <QString>

class QAccessibleInterface;
class QObject;

// Makes the toolkit's widgets and window known to assistive technology while
// the toolkit is loaded.
class UxAccessibleFactory
{
public:
    UxAccessibleFactory();
    ~UxAccessibleFactory();

    static QAccessibleInterface *create(const QString &className, QObject *object);

private:
    Q_DISABLE_COPY(UxAccessibleFactory)
};

#endif // UXACCESSIBLEFACTORY_P_H
