#include "socialactivity.h"
#include "socialkey_p.h"
#include "socialnetworkperson.h"
#include "socialservice.h"
#include "socialserviceaccount.h"

SOCIAL_KEY(SocialActivity, ActivityType);
SOCIAL_KEY(SocialActivity, OwnerPersonId);
SOCIAL_KEY(SocialActivity, ReceiverPersonId);
SOCIAL_KEY(SocialActivity, ParentActivityId);
SOCIAL_KEY(SocialActivity, StartTime);
SOCIAL_KEY(SocialActivity, CommentCount);
SOCIAL_KEY(SocialActivity, LikeCount);
SOCIAL_KEY(SocialActivity, IsLikedByMe);
SOCIAL_KEY(SocialActivity, Attachment);

SocialActivityAttachment SocialActivity::attachment() const
{
    return qvariant_cast<SocialActivityAttachment>(variantProperty(Attachment));
}

SOCIAL_KEY(SocialNetworkPerson, FirstName);
SOCIAL_KEY(SocialNetworkPerson, LastName);
SOCIAL_KEY(SocialNetworkPerson, ScreenName);
SOCIAL_KEY(SocialNetworkPerson, Picture);

SOCIAL_KEY(SocialService, ProviderName);
SOCIAL_KEY(SocialService, Icon);
SOCIAL_KEY(SocialService, Website);

SOCIAL_KEY(SocialServiceAccount, SocialServiceId);
SOCIAL_KEY(SocialServiceAccount, ProfileId);
SOCIAL_KEY(SocialServiceAccount, AccountName);
SOCIAL_KEY(SocialServiceAccount, UserName);
SOCIAL_KEY(SocialServiceAccount, State);
