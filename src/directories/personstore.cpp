#include "personstore.h"

#include "accountsignals_p.h"
#include "logging.h"
#include "personstore_p.h"

#include <socialgetpersonsrequest.h>
#include <socialprovidermanager.h>
#include <socialserviceaccount.h>

#include <QCoreApplication>

namespace {

// Only enabled and syncing accounts bring new own profiles.
bool isActiveState(int state)
{
    return state == SocialServiceAccount::Enabled || state == SocialServiceAccount::Syncing;
}

int accountState(const SocialServiceAccount &account)
{
    return account.variantProperty(SocialServiceAccount::State).toInt();
}

} // namespace

PersonStore *PersonStore::s_instance = nullptr;

PersonStore *PersonStore::instance()
{
    if (!s_instance)
        s_instance = new PersonStore(QCoreApplication::instance());
    return s_instance;
}

SocialNetworkPerson PersonStore::person(const QString &accountId, const QString &personId)
{
    PersonStore *store = instance();
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << accountId << personId;
    return store->m_d->person(qMakePair(accountId, personId));
}

bool PersonStore::isOwnContact(const QString &accountId, const QString &personId)
{
    const bool own = instance()->m_d->isOwnContact(qMakePair(accountId, personId));
    if (own)
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << accountId << personId << "is own contact";
    return own;
}

bool PersonStore::isOwnContact(const SocialNetworkPerson &person)
{
    return isOwnContact(person.parentAccount(), person.id());
}

PersonStore::PersonStore(QObject *parent) : QObject(parent)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    m_d = new PersonStorePrivate(this);
    connect(m_d, &PersonStorePrivate::personUpdated, this, &PersonStore::personUpdated);
}

PersonStore::~PersonStore()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    delete m_d;
    // A store built by hand must not take the shared one down with it.
    if (s_instance == this)
        s_instance = nullptr;
}

PersonStorePrivate::PersonStorePrivate(QObject *parent)
    : QObject(parent), m_manager(SocialProviderManager::instance())
{
    connect(m_manager, &SocialProviderManager::personsUpdate, this,
            &PersonStorePrivate::onPersonsUpdate);
    AccountSignals::follow(this, &PersonStorePrivate::onAccountsUpdated,
                           &PersonStorePrivate::onAccountsRemoved);
    // Run at once when possible, so that the own profiles are known by the
    // time instance() returns.
    if (m_manager->isInitialized())
        onInitialized();
    else
        connect(m_manager, &SocialProviderManager::initialized, this,
                &PersonStorePrivate::onInitialized);
}

SocialNetworkPerson PersonStorePrivate::person(const PersonKey &key) const
{
    return m_persons.value(key);
}

bool PersonStorePrivate::isOwnContact(const PersonKey &key) const
{
    return m_ownIds.contains(key);
}

void PersonStorePrivate::onAccountsUpdated(const QStringList &accountIds)
{
    bool added = false;
    for (const QString &accountId : accountIds) {
        const SocialServiceAccount account = m_manager->account(accountId);
        const int state = accountState(account);
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << account.id()
                               << account.property(SocialServiceAccount::ProfileId)
                               << account.property(SocialServiceAccount::UserName) << state;
        if (!isActiveState(state))
            continue;
        const PersonKey pair(account.id(), account.property(SocialServiceAccount::ProfileId));
        if (m_ownIds.contains(pair)) {
            qCDebug(lcDavovadezed) << Q_FUNC_INFO << "Already had account-profile pair" << pair;
            continue;
        }
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << "Adding account-profile pair" << pair
                               << "to own ids list";
        m_ownIds.append(pair);
        added = true;
    }
    // One request covers every new profile of this notification.
    if (added)
        requestPersons();
}

void PersonStorePrivate::onAccountsRemoved(const QStringList &accountIds)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << accountIds;
    for (auto it = m_ownIds.begin(); it != m_ownIds.end();) {
        if (accountIds.contains(it->first)) {
            qCDebug(lcDavovadezed) << Q_FUNC_INFO << "Removing" << *it << "from own ids list";
            it = m_ownIds.erase(it);
        } else {
            ++it;
        }
    }
    for (auto it = m_persons.begin(); it != m_persons.end();) {
        if (accountIds.contains(it.key().first)) {
            qCDebug(lcDavovadezed)
                << Q_FUNC_INFO << "Removing" << it->property(SocialNetworkPerson::ScreenName)
                << "from contacts hash";
            it = m_persons.erase(it);
        } else {
            ++it;
        }
    }
}

void PersonStorePrivate::onPersonsUpdate(const QList<SocialNetworkPerson> &personList,
                                         const QList<QString> &updatedProps)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << personList.count() << "persons" << updatedProps;
    for (const SocialNetworkPerson &incoming : personList) {
        const PersonKey key(incoming.parentAccount(), incoming.id());
        if (key.first.isEmpty() || key.second.isEmpty())
            continue;
        if (m_ownIds.contains(key))
            qCDebug(lcDavovadezed) << Q_FUNC_INFO << "PersonUpdate for own id" << key;
        if (updatedProps.isEmpty()) {
            qCDebug(lcDavovadezed) << Q_FUNC_INFO << "copy";
            m_persons.insert(key, incoming);
            emit personUpdated(incoming);
            continue;
        }
        // The property names only say that this is a partial update; every
        // property the incoming record carries is taken over.
        SocialNetworkPerson &stored = m_persons[key];
        const QVariantMap properties = incoming.properties();
        for (auto it = properties.cbegin(); it != properties.cend(); ++it)
            stored.setProperty(it.key(), it.value());
        // Receivers may feed the store again; hand them a copy, not the entry.
        const SocialNetworkPerson merged = stored;
        emit personUpdated(merged);
    }
}

void PersonStorePrivate::onPersonsRequestFinished()
{
    auto *request = qobject_cast<SocialGetPersonsRequest *>(sender());
    if (!request) {
        qCWarning(lcDavovadezed) << Q_FUNC_INFO << "Not called by a persons request";
        return;
    }
    const QList<SocialNetworkPerson> persons = request->persons();
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << persons.count();
    onPersonsUpdate(persons);
}

void PersonStorePrivate::onInitialized()
{
    const QList<SocialServiceAccount> accounts = m_manager->accounts();
    for (const SocialServiceAccount &account : accounts) {
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << account.id()
                               << account.property(SocialServiceAccount::ProfileId)
                               << account.property(SocialServiceAccount::UserName)
                               << accountState(account);
        if (account.id().isEmpty())
            continue;
        const PersonKey pair(account.id(), account.property(SocialServiceAccount::ProfileId));
        if (m_ownIds.contains(pair))
            continue;
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << "Adding account-profile pair" << pair
                               << "to own ids list";
        m_ownIds.append(pair);
    }
}

void PersonStorePrivate::requestPersons()
{
    auto *request = new SocialGetPersonsRequest;
    connect(request, &SocialDataRequest::finished, this,
            &PersonStorePrivate::onPersonsRequestFinished);
    // The request releases itself once finished, so that it is not leaked
    // when the store is gone before the answer arrives.
    connect(request, &SocialDataRequest::finished, request, &QObject::deleteLater);
    m_manager->performRequest(request, QList<SocialServiceAccount>());
}
