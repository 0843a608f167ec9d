#include "socialgetpersonsrequest.h"

#include "socialdatastore.h"

SocialGetPersonsRequest::SocialGetPersonsRequest(QObject *parent) : SocialDataRequest(parent) {}

QList<SocialNetworkPerson> SocialGetPersonsRequest::persons() const
{
    return m_persons;
}

void SocialGetPersonsRequest::setPersons(const QList<SocialNetworkPerson> &persons)
{
    m_persons = persons;
}

void SocialGetPersonsRequest::execute(SocialDataStore &store)
{
    QList<SocialNetworkPerson> found;
    for (const SocialNetworkPerson &person : store.persons()) {
        if (coversAccount(person.parentAccount()))
            found.append(person);
    }
    setPersons(found);
}
