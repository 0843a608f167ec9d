#include "socialprovidermanager.h"

#include "socialdatarequest.h"
#include "socialdatastore.h"
#include "socialmetatypes_p.h"
#include "socialproviderlogging_p.h"

#include <QDebug>
#include <QMetaObject>
#include <QPointer>

SocialProviderManager *SocialProviderManager::instance()
{
    // Never deleted: users keep connections to it until the process ends, and
    // no QObject may outlive the application object only to be torn down by
    // static destruction.
    static SocialProviderManager *const s_instance = new SocialProviderManager;
    return s_instance;
}

SocialProviderManager::SocialProviderManager() : m_store(new SocialDataStore(this))
{
    registerSocialMetaTypes();
}

SocialProviderManager::~SocialProviderManager()
{
    delete m_store;
}

bool SocialProviderManager::isInitialized() const
{
    return m_store->isInitialized();
}

QList<SocialServiceAccount> SocialProviderManager::accounts() const
{
    return m_store->accounts();
}

SocialServiceAccount SocialProviderManager::account(const QString &id) const
{
    return m_store->account(id);
}

QList<SocialService> SocialProviderManager::services() const
{
    return m_store->services();
}

SocialService SocialProviderManager::service(const QString &id) const
{
    return m_store->service(id);
}

void SocialProviderManager::performRequest(SocialDataRequest *request,
                                           const QList<SocialServiceAccount> &accounts)
{
    if (!request) {
        qCWarning(lcSocialProvider) << "Will not perform a null request";
        return;
    }
    if (request->m_started) {
        qCWarning(lcSocialProvider) << "Will not perform a request twice:" << request;
        return;
    }
    request->m_started = true;
    request->m_accounts = accounts;
    emit requestPerformed(request);
    // The request is the context: if it is deleted first, the call is dropped.
    QMetaObject::invokeMethod(
        request, [this, request] { finish(request); }, Qt::QueuedConnection);
}

void SocialProviderManager::finish(SocialDataRequest *request)
{
    // A listener to the broadcasts of execute() may delete the request.
    const QPointer<SocialDataRequest> guard(request);
    if (m_store->isOffline())
        request->addError(SocialProviderError::NetworkError,
                          QStringLiteral("The network cannot be reached"));
    else
        request->execute(*m_store);
    if (!guard)
        return;
    request->m_finished = true;
    emit request->finished(request);
}

SocialDataStore *SocialProviderManager::store() const
{
    return m_store;
}
