#ifndef UXLIBRARY_H
#define UXLIBRARY_H

#include "uxkit_global.h"

#include <QString>

// Registers a library with the theme for as long as the object lives;
// libraries keep one as a static object.
class UXKIT_EXPORT UxLibrary
{
public:
    explicit UxLibrary(const QString &name);
    ~UxLibrary();

    QString name() const;

private:
    QString m_name;

    Q_DISABLE_COPY(UxLibrary)
};

#endif // UXLIBRARY_H
