#ifndef SOCIALDATAREQUEST_H
#define SOCIALDATAREQUEST_H

#include "socialprovidererror.h"
#include "socialserviceaccount.h"

#include <QList>
#include <QObject>
#include <QPair>

class SocialDataStore;

// Base of every request. A request is handed to
// SocialProviderManager::performRequest and emits finished() exactly once, on
// a later turn of the event loop; the receiver then owns it and releases it
// with deleteLater().
class SOCIALPROVIDER_EXPORT SocialDataRequest : public QObject
{
    Q_OBJECT
public:
    ~SocialDataRequest() override;

    QList<SocialProviderError> errors() const;
    // The accounts the request was performed on; empty means every account.
    QList<SocialServiceAccount> accounts() const;
    bool isFinished() const;

signals:
    void finished(SocialDataRequest *request);

protected:
    explicit SocialDataRequest(QObject *parent = nullptr);

    void addError(int type, const QString &description);
    // Whether an account id is among those the request runs on.
    bool coversAccount(const QString &accountId) const;
    // The (account id, activity id) of the activity the request names, or
    // an empty pair after recording why there is none; purpose completes
    // "No activity id given to ...".
    QPair<QString, QString> findNamedActivity(const SocialDataStore &store,
                                              const QString &activityId, const QString &purpose);

private:
    friend class SocialProviderManager;

    // Carries the request out on the provider's data.
    virtual void execute(SocialDataStore &store) = 0;

    QList<SocialProviderError> m_errors;
    QList<SocialServiceAccount> m_accounts;
    bool m_started = false;
    bool m_finished = false;
};

Q_DECLARE_METATYPE(SocialDataRequest *)

#endif // SOCIALDATAREQUEST_H
