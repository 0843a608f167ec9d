#ifndef PROVIDERFIXTURES_H
#define PROVIDERFIXTURES_H

#include <socialactivity.h>
#include <socialactivityattachment.h>
#include <socialdatarequest.h>
#include <socialdatastore.h>
#include <socialnetworkperson.h>
#include <socialprovidermanager.h>
#include <socialservice.h>
#include <socialserviceaccount.h>

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Records for the provider stand-in, built the way the provider hands them out.
namespace ProviderFixtures {

SocialDataStore *providerData();
// Empties the provider, fills it with the records and marks it initialized.
void setUp(const QList<SocialService> &services, const QList<SocialServiceAccount> &accounts,
           const QList<SocialNetworkPerson> &persons);

// A time on the day every fixed-time test takes place.
QDateTime at(int hour, int minute = 0);

SocialService service(const QString &id, const QString &icon);
SocialServiceAccount account(const QString &id, const QString &serviceId, const QString &profileId,
                             int state = SocialServiceAccount::Enabled);
SocialNetworkPerson person(const QString &accountId, const QString &personId,
                           const QVariantMap &properties = QVariantMap());
// Unset names stay out of the record.
SocialNetworkPerson person(const QString &accountId, const QString &personId,
                           const QString &firstName, const QString &lastName = QString(),
                           const QString &screenName = QString());

// A whole activity; counts are left to the test.
SocialActivity activity(const QString &accountId, const QString &id, const QDateTime &start,
                        int type = SocialActivity::Post,
                        const QString &ownerId = QStringLiteral("friend"));
SocialActivity counted(SocialActivity record, uint comments = 0, uint likes = 0,
                       bool likedByMe = false);
// Only what a live update of one property carries.
SocialActivity update(const QString &id, const QString &property, const QVariant &value,
                      const QString &accountId = QStringLiteral("a1"));

SocialActivityAttachment::Media media(const QString &imagePath, const QString &linkUrl = QString(),
                                      const QString &fallbackUrl = QString(),
                                      int type = SocialActivityAttachment::Media::Image);
SocialActivity withAttachment(SocialActivity record, const SocialActivityAttachment &attachment);

// Performs the request and waits for it to finish; false if it never does.
bool run(SocialDataRequest *request,
         const QList<SocialServiceAccount> &accounts = QList<SocialServiceAccount>());

QStringList ids(const QList<SocialActivity> &activities);
QStringList ids(const QList<SocialNetworkPerson> &persons);

} // namespace ProviderFixtures

#endif // PROVIDERFIXTURES_H
