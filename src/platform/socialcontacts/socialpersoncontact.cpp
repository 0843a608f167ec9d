#include "socialpersoncontact.h"

#include "socialcontactfields.h"

#include <socialprovidermanager.h>
#include <socialservice.h>
#include <socialserviceaccount.h>

#include <QUrl>
#include <QtContacts/QContactAvatar>
#include <QtContacts/QContactDisplayLabel>
#include <QtContacts/QContactName>
#include <QtContacts/QContactOnlineAccount>

using namespace QtContacts;

namespace {

// Percent-encoding escapes the separator, so any two strings map to one
// unambiguous id.
const char s_keySeparator = '/';

QString displayLabel(const SocialNetworkPerson &person)
{
    const QString label = QStringList{person.property(SocialNetworkPerson::FirstName),
                                      person.property(SocialNetworkPerson::LastName)}
                              .join(QLatin1Char(' '))
                              .trimmed();
    return label.isEmpty() ? person.property(SocialNetworkPerson::ScreenName) : label;
}

// What the user knows the person's network as: the name of the account's
// service, else the service id; an account id means nothing to anyone.
QString serviceName(const QString &accountId)
{
    const SocialProviderManager *provider = SocialProviderManager::instance();
    const QString serviceId =
        provider->account(accountId).property(SocialServiceAccount::SocialServiceId);
    if (serviceId.isEmpty())
        return QString();
    const QString name = provider->service(serviceId).property(SocialService::ProviderName);
    return name.isEmpty() ? serviceId : name;
}

} // namespace

namespace SocialPersonContact {

QByteArray localId(const QString &accountId, const QString &personId)
{
    return QUrl::toPercentEncoding(accountId) + s_keySeparator + QUrl::toPercentEncoding(personId);
}

bool personKey(const QByteArray &localId, QString *accountId, QString *personId)
{
    const QList<QByteArray> parts = localId.split(s_keySeparator);
    if (parts.size() != 2 || parts.at(1).isEmpty()) {
        return false;
    }
    *accountId = QUrl::fromPercentEncoding(parts.at(0));
    *personId = QUrl::fromPercentEncoding(parts.at(1));
    return true;
}

QContact contact(const SocialNetworkPerson &person, const QContactId &id)
{
    QContact result;
    result.setId(id);

    QContactDisplayLabel label;
    label.setLabel(displayLabel(person));
    result.saveDetail(&label);

    const QString firstName = person.property(SocialNetworkPerson::FirstName);
    const QString lastName = person.property(SocialNetworkPerson::LastName);
    if (!firstName.isEmpty() || !lastName.isEmpty()) {
        QContactName name;
        if (!firstName.isEmpty()) {
            name.setFirstName(firstName);
        }
        if (!lastName.isEmpty()) {
            name.setLastName(lastName);
        }
        result.saveDetail(&name);
    }

    QContactOnlineAccount account;
    account.setServiceProvider(serviceName(person.parentAccount()));
    account.setValue(SocialContactFields::FieldSocialProviderId, person.id());
    result.saveDetail(&account);

    const QString picture = person.property(SocialNetworkPerson::Picture);
    if (!picture.isEmpty()) {
        QContactAvatar avatar;
        avatar.setImageUrl(QUrl::fromLocalFile(picture));
        result.saveDetail(&avatar);
    }
    return result;
}

} // namespace SocialPersonContact
