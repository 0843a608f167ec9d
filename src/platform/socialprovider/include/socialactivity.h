#ifndef SOCIALACTIVITY_H
#define SOCIALACTIVITY_H

#include "socialactivityattachment.h"
#include "socialgenericdata.h"

#include <QList>

// A status update, post, comment or photo of a social network.
class SOCIALPROVIDER_EXPORT SocialActivity : public SocialGenericData
{
public:
    // Values of the ActivityType property. AnyType matches every type when
    // used as a filter.
    enum Type { Post = 1, Comment = 2, Photo = 3, AnyType = 4 };

    static const QString ActivityType;     // int, a Type
    static const QString OwnerPersonId;    // QString
    static const QString ReceiverPersonId; // QString
    static const QString ParentActivityId; // QString, set on comments
    static const QString StartTime;        // QDateTime
    static const QString CommentCount;     // uint
    static const QString LikeCount;        // uint
    static const QString IsLikedByMe;      // bool
    static const QString Attachment;       // SocialActivityAttachment

    using SocialGenericData::SocialGenericData;

    // The attachment, or an empty one when the activity carries none.
    SocialActivityAttachment attachment() const;
};

Q_DECLARE_METATYPE(SocialActivity)
Q_DECLARE_METATYPE(QList<SocialActivity>)

#endif // SOCIALACTIVITY_H
