#ifndef CONTACTSWIDGETSLOGGING_P_H
#define CONTACTSWIDGETSLOGGING_P_H

#include <QLoggingCategory>

// Off below warnings unless QT_LOGGING_RULES asks: the contacts widgets library is
// embedded in applications whose console is not its own.
Q_DECLARE_LOGGING_CATEGORY(lcContactsWidgets)

#endif // CONTACTSWIDGETSLOGGING_P_H
