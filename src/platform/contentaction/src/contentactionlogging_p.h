#ifndef CONTENTACTIONLOGGING_P_H
#define CONTENTACTIONLOGGING_P_H

#include <QLoggingCategory>

// Off below warnings unless QT_LOGGING_RULES asks: the content action library is
// embedded in applications whose console is not its own.
Q_DECLARE_LOGGING_CATEGORY(lcContentAction)

#endif // CONTENTACTIONLOGGING_P_H
