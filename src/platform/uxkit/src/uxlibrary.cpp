#include "uxlibrary.h"

#include "uxtheme.h"

UxLibrary::UxLibrary(const QString &name) : m_name(name)
{
    UxTheme::registerLibrary(m_name);
}

UxLibrary::~UxLibrary()
{
    UxTheme::unregisterLibrary(m_name);
}

QString UxLibrary::name() const
{
    return m_name;
}
