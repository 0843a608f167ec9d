#ifndef DEBUGLOG_H
#define DEBUGLOG_H

#include <QLoggingCategory>

namespace DebugLog {

// The library writes its debug lines only when asked to; the suites read
// them, so every test program asks for them before main() runs.
inline void enable()
{
    QLoggingCategory::setFilterRules(QStringLiteral("davovadezed.debug=true"));
}

} // namespace DebugLog

#endif // DEBUGLOG_H
