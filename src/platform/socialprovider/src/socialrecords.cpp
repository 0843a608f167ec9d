#include "socialactivity.h"
#include "socialnetworkperson.h"
#include "socialservice.h"
#include "socialserviceaccount.h"

const QString SocialActivity::ActivityType = QStringLiteral("ActivityType");
const QString SocialActivity::OwnerPersonId = QStringLiteral("OwnerPersonId");
const QString SocialActivity::ReceiverPersonId = QStringLiteral("ReceiverPersonId");
const QString SocialActivity::ParentActivityId = QStringLiteral("ParentActivityId");
const QString SocialActivity::StartTime = QStringLiteral("StartTime");
const QString SocialActivity::CommentCount = QStringLiteral("CommentCount");
const QString SocialActivity::LikeCount = QStringLiteral("LikeCount");
const QString SocialActivity::IsLikedByMe = QStringLiteral("IsLikedByMe");
const QString SocialActivity::Attachment = QStringLiteral("Attachment");

SocialActivity::SocialActivity(const QVariantMap &properties) : SocialGenericData(properties) {}

SocialActivityAttachment SocialActivity::attachment() const
{
    return qvariant_cast<SocialActivityAttachment>(variantProperty(Attachment));
}

const QString SocialNetworkPerson::FirstName = QStringLiteral("FirstName");
const QString SocialNetworkPerson::LastName = QStringLiteral("LastName");
const QString SocialNetworkPerson::ScreenName = QStringLiteral("ScreenName");
const QString SocialNetworkPerson::Picture = QStringLiteral("Picture");

SocialNetworkPerson::SocialNetworkPerson(const QVariantMap &properties)
    : SocialGenericData(properties)
{
}

const QString SocialService::ProviderName = QStringLiteral("ProviderName");
const QString SocialService::Icon = QStringLiteral("Icon");
const QString SocialService::Website = QStringLiteral("Website");

SocialService::SocialService(const QVariantMap &properties) : SocialGenericData(properties) {}

const QString SocialServiceAccount::SocialServiceId = QStringLiteral("SocialServiceId");
const QString SocialServiceAccount::ProfileId = QStringLiteral("ProfileId");
const QString SocialServiceAccount::AccountName = QStringLiteral("AccountName");
const QString SocialServiceAccount::UserName = QStringLiteral("UserName");
const QString SocialServiceAccount::State = QStringLiteral("State");

SocialServiceAccount::SocialServiceAccount(const QVariantMap &properties)
    : SocialGenericData(properties)
{
}
