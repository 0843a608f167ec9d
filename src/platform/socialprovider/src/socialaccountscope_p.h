#ifndef SOCIALACCOUNTSCOPE_P_H
#define SOCIALACCOUNTSCOPE_P_H

#include "socialserviceaccount.h"

#include <QList>
#include <QString>

// Whether accountId lies within the accounts a request runs on; an empty list
// stands for every account.
inline bool accountInScope(const QList<SocialServiceAccount> &scope, const QString &accountId)
{
    if (scope.isEmpty())
        return true;
    for (const SocialServiceAccount &account : scope) {
        if (account.id() == accountId)
            return true;
    }
    return false;
}

#endif // SOCIALACCOUNTSCOPE_P_H
