#ifndef SOCIALSERVICE_H
#define SOCIALSERVICE_H

#include "socialgenericdata.h"

// A social network service, such as Facebook or the Twitter gateway.
class SOCIALPROVIDER_EXPORT SocialService : public SocialGenericData
{
public:
    static const QString ProviderName;
    static const QString Icon;    // theme image id
    static const QString Website; // QUrl

    using SocialGenericData::SocialGenericData;
};

Q_DECLARE_METATYPE(SocialService)

#endif // SOCIALSERVICE_H
