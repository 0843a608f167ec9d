#include "providerfixtures.h"

#include <QSignalSpy>
#include <QUrl>

namespace ProviderFixtures {

SocialDataStore *providerData()
{
    return SocialProviderManager::instance()->store();
}

void setUp(const QList<SocialService> &services, const QList<SocialServiceAccount> &accounts,
           const QList<SocialNetworkPerson> &persons)
{
    SocialDataStore *data = providerData();
    data->reset();
    for (const SocialService &record : services)
        data->addService(record);
    for (const SocialServiceAccount &record : accounts)
        data->addAccount(record);
    data->updatePersons(persons);
    data->setInitialized(true);
}

QDateTime at(int hour, int minute)
{
    return QDateTime(QDate(2024, 5, 14), QTime(hour, minute), Qt::UTC);
}

SocialService service(const QString &id, const QString &icon)
{
    SocialService record;
    record.setProperty(SocialGenericData::Id, id);
    record.setProperty(SocialService::ProviderName, id + QStringLiteral("-provider"));
    if (!icon.isNull())
        record.setProperty(SocialService::Icon, icon);
    record.setProperty(SocialService::Website, QUrl(QStringLiteral("http://") + id + ".example"));
    return record;
}

SocialServiceAccount account(const QString &id, const QString &serviceId, const QString &profileId,
                             int state)
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

SocialNetworkPerson person(const QString &accountId, const QString &personId,
                           const QVariantMap &properties)
{
    SocialNetworkPerson record(properties);
    record.setProperty(SocialGenericData::ParentAccount, accountId);
    record.setProperty(SocialGenericData::Id, personId);
    return record;
}

SocialNetworkPerson person(const QString &accountId, const QString &personId,
                           const QString &firstName, const QString &lastName,
                           const QString &screenName)
{
    QVariantMap names;
    names.insert(SocialNetworkPerson::FirstName, firstName);
    if (!lastName.isNull())
        names.insert(SocialNetworkPerson::LastName, lastName);
    if (!screenName.isNull())
        names.insert(SocialNetworkPerson::ScreenName, screenName);
    return person(accountId, personId, names);
}

SocialActivity activity(const QString &accountId, const QString &id, const QDateTime &start,
                        int type, const QString &ownerId)
{
    SocialActivity record;
    record.setProperty(SocialGenericData::Id, id);
    record.setProperty(SocialGenericData::ParentAccount, accountId);
    record.setProperty(SocialGenericData::Description, QStringLiteral("text of ") + id);
    record.setProperty(SocialActivity::OwnerPersonId, ownerId);
    record.setProperty(SocialActivity::StartTime, start);
    record.setProperty(SocialActivity::ActivityType, type);
    return record;
}

SocialActivity counted(SocialActivity record, uint comments, uint likes, bool likedByMe)
{
    record.setProperty(SocialActivity::CommentCount, comments);
    record.setProperty(SocialActivity::LikeCount, likes);
    record.setProperty(SocialActivity::IsLikedByMe, likedByMe);
    return record;
}

SocialActivity update(const QString &id, const QString &property, const QVariant &value,
                      const QString &accountId)
{
    SocialActivity record;
    record.setProperty(SocialGenericData::Id, id);
    record.setProperty(SocialGenericData::ParentAccount, accountId);
    record.setProperty(property, value);
    return record;
}

SocialActivityAttachment::Media media(const QString &imagePath, const QString &linkUrl,
                                      const QString &fallbackUrl, int type)
{
    SocialActivityAttachment::Media item;
    item.type = type;
    item.imagePath = imagePath;
    item.linkUrl = linkUrl;
    item.fallbackUrl = fallbackUrl;
    return item;
}

SocialActivity withAttachment(SocialActivity record, const SocialActivityAttachment &attachment)
{
    record.setProperty(SocialActivity::Attachment, QVariant::fromValue(attachment));
    return record;
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

} // namespace ProviderFixtures
