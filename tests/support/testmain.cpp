#include "testmain.h"

#include "debuglog.h"

#include <personstore.h>
#include <uxlocale.h>

namespace TestMain {

void setUp()
{
    DebugLog::enable();
    UxLocale::setDefault(UxLocale(QStringLiteral("en_GB")));
    PersonStore::instance();
}

} // namespace TestMain
