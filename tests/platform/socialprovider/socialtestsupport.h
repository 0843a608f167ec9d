#ifndef SOCIALTESTSUPPORT_H
#define SOCIALTESTSUPPORT_H

#include "socialactivity.h"
#include "socialdatarequest.h"
#include "socialdatastore.h"
#include "socialnetworkperson.h"
#include "socialserviceaccount.h"

#include <QDateTime>
#include <QList>
#include <QStringList>

// Shared fixtures for the provider's tests.
namespace SocialTest {

SocialDataStore *store();

SocialServiceAccount account(const QString &id, const QString &serviceId, const QString &profileId);
SocialNetworkPerson person(const QString &accountId, const QString &id, const QString &firstName);
SocialActivity activity(const QString &accountId, const QString &id, SocialActivity::Type type,
                        const QString &ownerId, const QDateTime &startTime);

// Performs the request and waits for it to finish; false if it never does.
bool run(SocialDataRequest *request,
         const QList<SocialServiceAccount> &accounts = QList<SocialServiceAccount>());

QStringList ids(const QList<SocialActivity> &activities);
QStringList ids(const QList<SocialNetworkPerson> &persons);

} // namespace SocialTest

#endif // SOCIALTESTSUPPORT_H
