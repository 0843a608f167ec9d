#ifndef ZEVAVIZI_H
#define ZEVAVIZI_H

#include "davovadezed_global.h"

namespace Zevavizi {

// Installs the library's translation catalog "actv" into a new default
// locale. The application object must exist; without it the process stops.
DAVOVADEZED_EXPORT void loadTranslation();

} // namespace Zevavizi

#endif // ZEVAVIZI_H
