#ifndef BUBBLEFIXTURES_H
#define BUBBLEFIXTURES_H

#include "openedurls.h"
#include "providerfixtures.h"
#include "testmain.h"

#include <QDateTime>

namespace BubbleFixtures {

using namespace ProviderFixtures;

// The provider state every bubble test starts from: account "a1" of service
// "facebook" (icon "icon-facebook"), account "a2" of "twittergw" (icon
// "icon-twitter"), and the person "p1" of "a1", Ann Smith.
inline void setUpProvider()
{
    setUp({service(QStringLiteral("facebook"), QStringLiteral("icon-facebook")),
           service(QStringLiteral("twittergw"), QStringLiteral("icon-twitter"))},
          {account(QStringLiteral("a1"), QStringLiteral("facebook"), QStringLiteral("me1")),
           account(QStringLiteral("a2"), QStringLiteral("twittergw"), QStringLiteral("me2"))},
          {person(QStringLiteral("a1"), QStringLiteral("p1"), QStringLiteral("Ann"),
                  QStringLiteral("Smith"))});
}

// A whole activity as the feed hands it to a new bubble.
inline SocialActivity activity(const QString &id, const QString &description,
                               qint64 ageSeconds = 300, const QString &accountId = "a1",
                               const QString &ownerId = "p1")
{
    SocialActivity record =
        ProviderFixtures::activity(accountId, id, QDateTime::currentDateTime().addSecs(-ageSeconds),
                                   SocialActivity::Post, ownerId);
    record.setProperty(SocialGenericData::Description, description);
    return record;
}

} // namespace BubbleFixtures

#endif // BUBBLEFIXTURES_H
