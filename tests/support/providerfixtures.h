#ifndef PROVIDERFIXTURES_H
#define PROVIDERFIXTURES_H

#include <socialdatastore.h>
#include <socialnetworkperson.h>
#include <socialprovidermanager.h>
#include <socialservice.h>
#include <socialserviceaccount.h>

#include <QString>
#include <QUrl>
#include <QVariantMap>

// Records for the provider stand-in, built the way the provider hands them out.
namespace ProviderFixtures {

inline SocialDataStore *providerData()
{
    return SocialProviderManager::instance()->store();
}

inline SocialService service(const QString &id, const QString &icon)
{
    SocialService record;
    record.setProperty(SocialGenericData::Id, id);
    record.setProperty(SocialService::ProviderName, id + QStringLiteral("-provider"));
    if (!icon.isNull())
        record.setProperty(SocialService::Icon, icon);
    record.setProperty(SocialService::Website, QUrl(QStringLiteral("http://") + id + ".example"));
    return record;
}

inline SocialServiceAccount account(const QString &id, const QString &serviceId,
                                    const QString &profileId,
                                    int state = SocialServiceAccount::Enabled)
{
    SocialServiceAccount record;
    record.setProperty(SocialGenericData::Id, id);
    if (!serviceId.isNull())
        record.setProperty(SocialServiceAccount::SocialServiceId, serviceId);
    record.setProperty(SocialServiceAccount::ProfileId, profileId);
    record.setProperty(SocialServiceAccount::AccountName, id + QStringLiteral("-name"));
    record.setProperty(SocialServiceAccount::UserName, id + QStringLiteral("-user"));
    record.setProperty(SocialServiceAccount::State, state);
    return record;
}

inline SocialNetworkPerson person(const QString &accountId, const QString &personId,
                                  const QVariantMap &properties = QVariantMap())
{
    SocialNetworkPerson record(properties);
    record.setProperty(SocialGenericData::ParentAccount, accountId);
    record.setProperty(SocialGenericData::Id, personId);
    return record;
}

} // namespace ProviderFixtures

#endif // PROVIDERFIXTURES_H
