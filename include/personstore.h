#ifndef PERSONSTORE_H
#define PERSONSTORE_H

#include "davovadezed_global.h"

#include <socialnetworkperson.h>

#include <QObject>
#include <QString>

class PersonStorePrivate;

// Process-wide cache of the social network persons the provider reports, and
// the registry of the user's own profiles. Reached through instance(); the
// first call creates it as a child of the application object.
class DAVOVADEZED_EXPORT PersonStore : public QObject
{
    Q_OBJECT
public:
    static PersonStore *instance();

    // A copy of the cached person, or an empty record (empty id) when the
    // person has not been reported yet; wait for personUpdated() then.
    static SocialNetworkPerson person(const QString &accountId, const QString &personId);
    // Whether (account id, person id) is one of the user's own profiles.
    static bool isOwnContact(const QString &accountId, const QString &personId);
    static bool isOwnContact(const SocialNetworkPerson &person);

    explicit PersonStore(QObject *parent = nullptr);
    ~PersonStore() override;

signals:
    // Emitted once for every person stored or merged, with the stored record.
    void personUpdated(const SocialNetworkPerson &person);

private:
    Q_DISABLE_COPY(PersonStore)

    static PersonStore *s_instance;
    PersonStorePrivate *m_d = nullptr;
};

#endif // PERSONSTORE_H
