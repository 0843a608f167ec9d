#include "socialprovidererror.h"

SocialProviderError::SocialProviderError(int type, const QString &description)
    : m_type(type), m_description(description)
{
}
