#ifndef ZEVAVIZI_H
#define ZEVAVIZI_H

#include "davovadezed_global.h"

/** What the library does as a whole rather than as one widget. */
namespace Zevavizi {

/**
 * Installs the library's translation catalog "actv" into a new default
 * locale. The application object must exist; without it the process stops
 * with the message "UxApplication has not been instantiated!".
 *
 * The first ActivitiesWidget of the process calls it; an application that
 * shows a CommentsPage before building any feed calls it itself.
 */
DAVOVADEZED_EXPORT void loadTranslation();

} // namespace Zevavizi

#endif // ZEVAVIZI_H
