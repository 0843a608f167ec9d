#include "uxwindowregistry_p.h"

#include <QList>

namespace {

QList<UxApplicationWindow *> &shownWindows()
{
    static QList<UxApplicationWindow *> s_windows;
    return s_windows;
}

} // namespace

namespace UxWindowRegistry {

void windowShown(UxApplicationWindow *window)
{
    shownWindows().removeOne(window);
    shownWindows().append(window);
}

void windowDestroyed(UxApplicationWindow *window)
{
    shownWindows().removeOne(window);
}

UxApplicationWindow *mostRecentlyShown()
{
    return shownWindows().isEmpty() ? nullptr : shownWindows().constLast();
}

} // namespace UxWindowRegistry
