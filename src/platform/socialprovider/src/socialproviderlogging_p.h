#ifndef SOCIALPROVIDERLOGGING_P_H
#define SOCIALPROVIDERLOGGING_P_H

#include <QLoggingCategory>

// Off below warnings unless QT_LOGGING_RULES asks: the social provider library is
// embedded in applications whose console is not its own.
Q_DECLARE_LOGGING_CATEGORY(lcSocialProvider)

#endif // SOCIALPROVIDERLOGGING_P_H
