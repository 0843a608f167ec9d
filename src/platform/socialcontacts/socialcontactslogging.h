#ifndef SOCIALCONTACTSLOGGING_H
#define SOCIALCONTACTSLOGGING_H

#include <QLoggingCategory>

// Off below warnings unless QT_LOGGING_RULES asks: the contacts plugin is
// loaded into applications whose console is not its own.
Q_DECLARE_LOGGING_CATEGORY(lcSocialContacts)

#endif // SOCIALCONTACTSLOGGING_H
