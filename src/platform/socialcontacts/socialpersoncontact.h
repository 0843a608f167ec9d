#ifndef SOCIALPERSONCONTACT_H
#define SOCIALPERSONCONTACT_H

#include <socialnetworkperson.h>

#include <QByteArray>
#include <QString>
#include <QtContacts/QContact>

// How a social network person appears as a contact, and the contact ids that
// name persons.
namespace SocialPersonContact {

// The contact's local id for the person key (account id, person id); the same
// key always gives the same id.
QByteArray localId(const QString &accountId, const QString &personId);
// The person key a local id names; false when the id is not one of ours.
bool personKey(const QByteArray &localId, QString *accountId, QString *personId);

// The person as a contact with the given id.
QtContacts::QContact contact(const SocialNetworkPerson &person, const QtContacts::QContactId &id);

} // namespace SocialPersonContact

#endif // SOCIALPERSONCONTACT_H
