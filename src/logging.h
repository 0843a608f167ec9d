#ifndef DAVOVADEZED_LOGGING_H
#define DAVOVADEZED_LOGGING_H

#include <QLoggingCategory>

// Every line the library writes goes to this category, so an application can
// silence the chatter with QT_LOGGING_RULES="davovadezed.debug=false".
Q_DECLARE_LOGGING_CATEGORY(lcDavovadezed)

#endif // DAVOVADEZED_LOGGING_H
