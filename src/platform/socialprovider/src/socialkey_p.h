#ifndef SOCIALKEY_P_H
#define SOCIALKEY_P_H

#include <QString>

// Defines a record's key, which is spelt as its name.
#define SOCIAL_KEY(Record, Key) const QString Record::Key = QStringLiteral(#Key)

#endif // SOCIALKEY_P_H
