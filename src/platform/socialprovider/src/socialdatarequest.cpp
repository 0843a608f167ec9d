#include "socialdatarequest.h"

#include "socialaccountscope_p.h"

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
