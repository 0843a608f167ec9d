#ifndef SOCIALNETWORKPERSON_H
#define SOCIALNETWORKPERSON_H

#include "socialgenericdata.h"

#include <QList>

// A person as one account of the user sees it.
class SOCIALPROVIDER_EXPORT SocialNetworkPerson : public SocialGenericData
{
public:
    static const QString FirstName;
    static const QString LastName;
    static const QString ScreenName;
    static const QString Picture; // local path of the person's picture

    using SocialGenericData::SocialGenericData;
};

Q_DECLARE_METATYPE(SocialNetworkPerson)
Q_DECLARE_METATYPE(QList<SocialNetworkPerson>)

#endif // SOCIALNETWORKPERSON_H
