#ifndef DAVOVADEZED_LOGGING_H
#define DAVOVADEZED_LOGGING_H

#include <QLoggingCategory>

// Every line the library writes goes to this category. Its debug lines carry
// addresses and post texts, so they are off unless the application asks for
// them with QT_LOGGING_RULES="davovadezed.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDavovadezed)

#endif // DAVOVADEZED_LOGGING_H
