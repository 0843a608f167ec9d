#ifndef PERSONSTORE_H
#define PERSONSTORE_H

#include "davovadezed_global.h"

#include <socialnetworkperson.h>

#include <QObject>
#include <QString>

class PersonStorePrivate;

/**
 * Process-wide cache of the social network persons the provider reports, and
 * the registry of the user's own profiles. Reached through instance(); the
 * first call creates it as a child of the application object.
 *
 * Persons arrive only from the provider: through its live person updates,
 * and through one persons request issued whenever an account update brings
 * a new own profile. Nothing is fetched on a lookup. A person is known by its
 * account id and person id, compared exactly. The own profiles are those of
 * every account when the provider is initialized, and later those of the
 * accounts added or changed while enabled or syncing; an account's removal
 * drops its profile and its persons.
 */
class DAVOVADEZED_EXPORT PersonStore : public QObject
{
    Q_OBJECT
public:
    /**
     * The shared store. The first call creates it as a child of the
     * application object, which deletes it (without one it lives as long as
     * the process); the next call after that creates a new, empty one. When
     * the provider is initialized already, the own profiles are known by the
     * time it returns.
     */
    static PersonStore *instance();

    /**
     * A copy of the cached person, or an empty record (empty id) when the
     * person has not been reported yet; wait for personUpdated() then. Creates
     * the store if need be.
     */
    static SocialNetworkPerson person(const QString &accountId, const QString &personId);
    /**
     * Whether (account id, person id) is one of the user's own profiles.
     * Creates the store if need be.
     */
    static bool isOwnContact(const QString &accountId, const QString &personId);
    /** Whether @p person, by its account and id, is one of the user's own profiles. */
    static bool isOwnContact(const SocialNetworkPerson &person);

    /**
     * A store apart from the shared one, listening to the provider like it;
     * the static lookups ask the shared one only.
     */
    explicit PersonStore(QObject *parent = nullptr);
    /** Clears the shared pointer when this is the shared store. */
    ~PersonStore() override;

signals:
    /**
     * Emitted once for every person stored or merged, with the stored record,
     * as the update arrives. A partial update takes over every property the
     * incoming record carries and keeps the others; a whole one replaces the
     * record. Persons without an account id or a person id are dropped, and
     * removed persons are not announced.
     */
    void personUpdated(const SocialNetworkPerson &person);

private:
    Q_DISABLE_COPY(PersonStore)

    static PersonStore *s_instance;
    PersonStorePrivate *m_d = nullptr;
};

#endif // PERSONSTORE_H
