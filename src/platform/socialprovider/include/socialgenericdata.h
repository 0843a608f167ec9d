#ifndef SOCIALGENERICDATA_H
#define SOCIALGENERICDATA_H

#include "socialprovider_global.h"

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// A copyable bag of named properties; the base of every record the provider
// hands out.
class SOCIALPROVIDER_EXPORT SocialGenericData
{
public:
    static const QString Id;
    static const QString ParentAccount;
    static const QString Description;

    SocialGenericData() = default;
    explicit SocialGenericData(const QVariantMap &properties);

    QString id() const;
    QString parentAccount() const;
    QString description() const;

    bool hasProperty(const QString &name) const;
    // The property as text (empty when absent).
    QString property(const QString &name) const;
    // The property as stored (invalid when absent).
    QVariant variantProperty(const QString &name) const;
    void setProperty(const QString &name, const QVariant &value);
    void removeProperty(const QString &name);
    QVariantMap properties() const;
    bool isEmpty() const;

    bool operator==(const SocialGenericData &other) const;
    bool operator!=(const SocialGenericData &other) const { return !(*this == other); }

private:
    QVariantMap m_properties;
};

#endif // SOCIALGENERICDATA_H
