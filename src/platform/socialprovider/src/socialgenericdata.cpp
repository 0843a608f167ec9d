#include "socialgenericdata.h"

#include "socialkey_p.h"

SOCIAL_KEY(SocialGenericData, Id);
SOCIAL_KEY(SocialGenericData, ParentAccount);
SOCIAL_KEY(SocialGenericData, Description);

SocialGenericData::SocialGenericData(const QVariantMap &properties)
{
    // Routed through setProperty so that invalid values never count as present.
    for (auto it = properties.cbegin(); it != properties.cend(); ++it)
        setProperty(it.key(), it.value());
}

QString SocialGenericData::id() const
{
    return property(Id);
}

QString SocialGenericData::parentAccount() const
{
    return property(ParentAccount);
}

QString SocialGenericData::description() const
{
    return property(Description);
}

bool SocialGenericData::hasProperty(const QString &name) const
{
    return m_properties.contains(name);
}

QString SocialGenericData::property(const QString &name) const
{
    return m_properties.value(name).toString();
}

QVariant SocialGenericData::variantProperty(const QString &name) const
{
    return m_properties.value(name);
}

void SocialGenericData::setProperty(const QString &name, const QVariant &value)
{
    if (value.isValid())
        m_properties.insert(name, value);
    else
        m_properties.remove(name);
}

void SocialGenericData::removeProperty(const QString &name)
{
    m_properties.remove(name);
}

QVariantMap SocialGenericData::properties() const
{
    return m_properties;
}

bool SocialGenericData::isEmpty() const
{
    return m_properties.isEmpty();
}

bool SocialGenericData::operator==(const SocialGenericData &other) const
{
    return m_properties == other.m_properties;
}
