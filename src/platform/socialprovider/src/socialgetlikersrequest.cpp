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
    const SocialDataStore::Key key =
        findNamedActivity(store, m_activityId, QStringLiteral("look up likers for"));
    if (key.first.isEmpty())
        return;
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
