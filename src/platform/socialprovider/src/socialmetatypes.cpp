#include "socialmetatypes_p.h"

#include "socialactivity.h"
#include "socialactivityattachment.h"
#include "socialdatarequest.h"
#include "socialnetworkperson.h"
#include "socialprovidererror.h"
#include "socialprovidertimeline.h"
#include "socialservice.h"
#include "socialserviceaccount.h"

#include <QMetaType>

void registerSocialMetaTypes()
{
    static const bool s_registered = [] {
        qRegisterMetaType<SocialActivity>();
        qRegisterMetaType<QList<SocialActivity>>();
        qRegisterMetaType<SocialNetworkPerson>();
        qRegisterMetaType<QList<SocialNetworkPerson>>();
        qRegisterMetaType<SocialServiceAccount>();
        qRegisterMetaType<QList<SocialServiceAccount>>();
        qRegisterMetaType<SocialService>();
        qRegisterMetaType<SocialProviderTimeline::TimelineType>();
        qRegisterMetaType<SocialActivityAttachment>();
        qRegisterMetaType<SocialActivityAttachment::Media>();
        qRegisterMetaType<SocialProviderError>();
        qRegisterMetaType<SocialDataRequest *>();
        qRegisterMetaType<QList<QString>>();
        // Lets activities holding attachments compare by value.
        QMetaType::registerEqualsComparator<SocialActivityAttachment>();
        QMetaType::registerEqualsComparator<SocialActivityAttachment::Media>();
        return true;
    }();
    Q_UNUSED(s_registered)
}

// Attachments travel inside QVariants before anyone has asked for the manager.
Q_CONSTRUCTOR_FUNCTION(registerSocialMetaTypes)
