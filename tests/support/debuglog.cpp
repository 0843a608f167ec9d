#include "debuglog.h"

namespace {

void enableDebugLog()
{
    DebugLog::enable();
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(enableDebugLog)
