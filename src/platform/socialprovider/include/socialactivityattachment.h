#ifndef SOCIALACTIVITYATTACHMENT_H
#define SOCIALACTIVITYATTACHMENT_H

#include "socialprovider_global.h"

#include <QList>
#include <QMetaType>
#include <QString>

// What an activity carries besides its text: a shared link, or photos.
class SOCIALPROVIDER_EXPORT SocialActivityAttachment
{
public:
    // One media item of an attachment.
    struct SOCIALPROVIDER_EXPORT Media
    {
        enum MediaType { Image = 1, Video = 2 };

        int type = Image;
        QString linkUrl;     // the item's web page
        QString imagePath;   // local thumbnail file
        QString fallbackUrl; // opened when there is no web page

        bool operator==(const Media &other) const;
        bool operator!=(const Media &other) const { return !(*this == other); }
    };

    QString firstText;
    QString linkUrl;
    QString title;
    QString lastText;
    QList<Media> media;

    bool isEmpty() const;
    bool operator==(const SocialActivityAttachment &other) const;
    bool operator!=(const SocialActivityAttachment &other) const { return !(*this == other); }
};

Q_DECLARE_METATYPE(SocialActivityAttachment)
Q_DECLARE_METATYPE(SocialActivityAttachment::Media)

#endif // SOCIALACTIVITYATTACHMENT_H
