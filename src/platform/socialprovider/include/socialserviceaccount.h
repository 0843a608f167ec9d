#ifndef SOCIALSERVICEACCOUNT_H
#define SOCIALSERVICEACCOUNT_H

#include "socialgenericdata.h"

#include <QList>

// One of the user's accounts on a service.
class SOCIALPROVIDER_EXPORT SocialServiceAccount : public SocialGenericData
{
public:
    // Values of the State property; Enabled and Syncing are usable accounts.
    enum AccountState { Disabled = 0, Enabled = 1, Failed = 2, Syncing = 3 };

    static const QString SocialServiceId;
    static const QString ProfileId; // the user's own person id on this account
    static const QString AccountName;
    static const QString UserName;
    static const QString State; // int, an AccountState

    using SocialGenericData::SocialGenericData;
};

Q_DECLARE_METATYPE(SocialServiceAccount)
Q_DECLARE_METATYPE(QList<SocialServiceAccount>)

#endif // SOCIALSERVICEACCOUNT_H
