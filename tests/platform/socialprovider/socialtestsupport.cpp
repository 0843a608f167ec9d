#include "socialtestsupport.h"

#include "socialprovidermanager.h"

#include <QSignalSpy>

namespace SocialTest {

SocialDataStore *store()
{
    return SocialProviderManager::instance()->store();
}

SocialServiceAccount account(const QString &id, const QString &serviceId, const QString &profileId)
{
    return SocialServiceAccount({{SocialServiceAccount::Id, id},
                                 {SocialServiceAccount::SocialServiceId, serviceId},
                                 {SocialServiceAccount::ProfileId, profileId},
                                 {SocialServiceAccount::State, SocialServiceAccount::Enabled}});
}

SocialNetworkPerson person(const QString &accountId, const QString &id, const QString &firstName)
{
    return SocialNetworkPerson({{SocialNetworkPerson::Id, id},
                                {SocialNetworkPerson::ParentAccount, accountId},
                                {SocialNetworkPerson::FirstName, firstName}});
}

SocialActivity activity(const QString &accountId, const QString &id, SocialActivity::Type type,
                        const QString &ownerId, const QDateTime &startTime)
{
    return SocialActivity({{SocialActivity::Id, id},
                           {SocialActivity::ParentAccount, accountId},
                           {SocialActivity::ActivityType, int(type)},
                           {SocialActivity::OwnerPersonId, ownerId},
                           {SocialActivity::Description, QStringLiteral("text of ") + id},
                           {SocialActivity::StartTime, startTime},
                           {SocialActivity::CommentCount, 0u},
                           {SocialActivity::LikeCount, 0u},
                           {SocialActivity::IsLikedByMe, false}});
}

bool run(SocialDataRequest *request, const QList<SocialServiceAccount> &accounts)
{
    QSignalSpy finished(request, &SocialDataRequest::finished);
    SocialProviderManager::instance()->performRequest(request, accounts);
    return finished.wait();
}

QStringList ids(const QList<SocialActivity> &activities)
{
    QStringList result;
    for (const SocialActivity &activity : activities)
        result.append(activity.id());
    return result;
}

QStringList ids(const QList<SocialNetworkPerson> &persons)
{
    QStringList result;
    for (const SocialNetworkPerson &person : persons)
        result.append(person.id());
    return result;
}

} // namespace SocialTest
