#ifndef SOCIALPROVIDERERROR_H
#define SOCIALPROVIDERERROR_H

#include "socialprovider_global.h"

#include <QMetaType>
#include <QString>

// Why a request failed.
class SOCIALPROVIDER_EXPORT SocialProviderError
{
public:
    enum ErrorType { NoError = 0, InvalidRequest = 1, NotFound = 2, NetworkError = 3 };

    SocialProviderError() = default;
    SocialProviderError(int type, const QString &description);

    int type() const { return m_type; }
    QString description() const { return m_description; }

private:
    int m_type = NoError;
    QString m_description;
};

Q_DECLARE_METATYPE(SocialProviderError)

#endif // SOCIALPROVIDERERROR_H
