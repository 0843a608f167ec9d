#ifndef UXWINDOWREGISTRY_P_H
#define UXWINDOWREGISTRY_P_H

class UxApplicationWindow;

// Remembers the order in which application windows were shown.
namespace UxWindowRegistry {

void windowShown(UxApplicationWindow *window);
void windowDestroyed(UxApplicationWindow *window);
UxApplicationWindow *mostRecentlyShown();

} // namespace UxWindowRegistry

#endif // UXWINDOWREGISTRY_P_H
