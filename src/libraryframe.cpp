// What loading the library sets up. The statics of one file are built in
// the order they are written and torn down in reverse, which is what the
// theme registration and the resource file rely on.
#include "libraryaccessiblefactory_p.h"

#include <uxlibrary.h>

#include <QString>

int qInitResources_widgets();
int qCleanupResources_widgets();

namespace {

const UxLibrary s_library(QStringLiteral("davovadezed"));
const LibraryAccessibleFactory s_accessibleFactory;

struct WidgetsResource
{
    WidgetsResource() { qInitResources_widgets(); }
    ~WidgetsResource() { qCleanupResources_widgets(); }
};

const WidgetsResource s_widgetsResource;

} // namespace
