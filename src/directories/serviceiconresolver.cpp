#include "serviceiconresolver.h"

#include "accountsignals_p.h"
#include "logging.h"

#include <socialprovidermanager.h>
#include <socialserviceaccount.h>

#include <algorithm>

ServiceIconResolver *ServiceIconResolver::m_instance = nullptr;

ServiceIconResolver *ServiceIconResolver::instance()
{
    if (!m_instance)
        m_instance = new ServiceIconResolver;
    return m_instance;
}

ServiceIconResolver::ServiceIconResolver(QObject *parent) : QObject(parent)
{
    AccountSignals::follow(this, &ServiceIconResolver::onAccountsUpdated,
                           &ServiceIconResolver::onAccountsRemoved);
    init();
}

ServiceIconResolver::~ServiceIconResolver()
{
    if (m_instance == this)
        m_instance = nullptr;
}

void ServiceIconResolver::init()
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    if (manager->isInitialized())
        onInitialized();
    else
        connect(manager, &SocialProviderManager::initialized, this,
                &ServiceIconResolver::onInitialized, Qt::UniqueConnection);
}

const QString &ServiceIconResolver::iconForActivity(const SocialActivity &activity)
{
    return iconForAccount(activity.parentAccount());
}

const QString &ServiceIconResolver::iconForAccount(const QString &accountId)
{
    return iconForService(m_accountServices[accountId]);
}

const QString &ServiceIconResolver::iconForService(const QString &serviceId)
{
    if (!m_serviceIcons.contains(serviceId)) {
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << "  not found";
        SocialService bare;
        bare.setProperty(SocialGenericData::Id, serviceId);
        resolveIcon(bare);
    }
    return m_serviceIcons[serviceId];
}

void ServiceIconResolver::resolveIcon(const SocialService &service)
{
    const QString icon = service.property(SocialService::Icon);
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << service.id()
                           << service.property(SocialService::ProviderName) << icon;
    if (icon.isEmpty()) {
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << "no icon for" << service.id();
        return;
    }
    m_serviceIcons.insert(service.id(), icon);
}

void ServiceIconResolver::onAccountsUpdated(const QStringList &accountIds)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << accountIds;
    SocialProviderManager *manager = SocialProviderManager::instance();
    for (const QString &accountId : accountIds) {
        const SocialServiceAccount account = manager->account(accountId);
        const QString serviceId = account.property(SocialServiceAccount::SocialServiceId);
        if (serviceId.isEmpty())
            continue;
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << "Updated data on SocialServiceAccount"
                               << account.id();
        m_accountServices.insert(account.id(), serviceId);
        // A known icon is kept; only a missing one is worth a fetch.
        if (!m_serviceIcons.value(serviceId).isNull())
            continue;
        const SocialService service = manager->service(serviceId);
        const QString icon = service.property(SocialService::Icon);
        if (icon.isEmpty())
            continue;
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << "Updated data on SocialService"
                               << service.property(SocialService::ProviderName) << icon
                               << service.property(SocialService::Website);
        m_serviceIcons.insert(service.id(), icon);
    }
}

void ServiceIconResolver::onAccountsRemoved(const QStringList &accountIds)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << accountIds;
    for (const QString &accountId : accountIds) {
        const auto account = m_accountServices.find(accountId);
        if (account == m_accountServices.end())
            continue;
        const QString serviceId = account.value();
        m_accountServices.erase(account);
        // The other accounts of the service still show its icon.
        if (isServiceInUse(serviceId) || m_serviceIcons.value(serviceId).isNull())
            continue;
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << "Removing icon for service" << serviceId;
        m_serviceIcons.remove(serviceId);
    }
}

void ServiceIconResolver::onInitialized()
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    const QList<SocialService> services = manager->services();
    const QList<SocialServiceAccount> accounts = manager->accounts();
    qCDebug(lcDavovadezed) << Q_FUNC_INFO
                           << QString::fromLatin1("%1 services, %2 accounts")
                                  .arg(services.count())
                                  .arg(accounts.count());
    for (const SocialServiceAccount &account : accounts) {
        const QString serviceId = account.property(SocialServiceAccount::SocialServiceId);
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << account.id()
                               << account.property(SocialServiceAccount::ProfileId)
                               << account.property(SocialServiceAccount::AccountName) << serviceId;
        m_accountServices.insert(account.id(), serviceId);
    }
    for (const SocialService &service : services) {
        const QString icon = service.property(SocialService::Icon);
        qCDebug(lcDavovadezed) << Q_FUNC_INFO << service.id()
                               << service.property(SocialService::ProviderName) << icon;
        // An entry left by a lookup before start-up stays; the next update of
        // an account of that service fills it.
        if (!icon.isEmpty() && !m_serviceIcons.contains(service.id()))
            m_serviceIcons.insert(service.id(), icon);
    }
}

bool ServiceIconResolver::isServiceInUse(const QString &serviceId) const
{
    return std::find(m_accountServices.cbegin(), m_accountServices.cend(), serviceId) !=
           m_accountServices.cend();
}
