#include "socialgetlikersrequest.h"

#include "socialdatastore.h"

SocialGetLikersRequest::SocialGetLikersRequest(const QString &activityId, QObject *parent)
    : SocialGetPersonsRequest(parent), m_activityId(activityId)
{
}

QString SocialGetLikersRequest::activityId() const
{
    return m_activityId;
}

void SocialGetLikersRequest::execute(SocialDataStore &store)
{
    if (m_activityId.isEmpty()) {
        addError(SocialProviderError::InvalidRequest,
                 QStringLiteral("No activity id given to look up likers for"));
        return;
    }
    const SocialDataStore::Key key = store.findActivity(m_activityId, accounts());
    if (key.first.isEmpty()) {
        addError(SocialProviderError::NotFound,
                 QStringLiteral("No activity \"%1\" on the requested accounts").arg(m_activityId));
        return;
    }
    QList<SocialNetworkPerson> likers;
    for (const QString &personId : store.m_activities.value(key).likers) {
        SocialNetworkPerson person = store.person(key.first, personId);
        // A liker the account knows nothing else about is still a liker.
        if (person.isEmpty()) {
            person.setProperty(SocialNetworkPerson::Id, personId);
            person.setProperty(SocialNetworkPerson::ParentAccount, key.first);
        }
        likers.append(person);
    }
    setPersons(likers);
}
