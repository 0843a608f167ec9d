#include "socialdatarequest.h"

#include "socialaccountscope_p.h"
#include "socialdatastore.h"

SocialDataRequest::SocialDataRequest(QObject *parent) : QObject(parent) {}

SocialDataRequest::~SocialDataRequest() = default;

QList<SocialProviderError> SocialDataRequest::errors() const
{
    return m_errors;
}

QList<SocialServiceAccount> SocialDataRequest::accounts() const
{
    return m_accounts;
}

bool SocialDataRequest::isFinished() const
{
    return m_finished;
}

void SocialDataRequest::addError(int type, const QString &description)
{
    m_errors.append(SocialProviderError(type, description));
}

bool SocialDataRequest::coversAccount(const QString &accountId) const
{
    return accountInScope(m_accounts, accountId);
}

QPair<QString, QString> SocialDataRequest::findNamedActivity(const SocialDataStore &store,
                                                             const QString &activityId,
                                                             const QString &purpose)
{
    if (activityId.isEmpty()) {
        addError(SocialProviderError::InvalidRequest,
                 QStringLiteral("No activity id given to %1").arg(purpose));
        return {};
    }
    const SocialDataStore::Key key = store.findActivity(activityId, accounts());
    if (key.first.isEmpty())
        addError(SocialProviderError::NotFound,
                 QStringLiteral("No activity \"%1\" on the requested accounts").arg(activityId));
    return key;
}
