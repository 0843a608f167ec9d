#include "socialactivityattachment.h"

bool SocialActivityAttachment::Media::operator==(const Media &other) const
{
    return type == other.type && linkUrl == other.linkUrl && imagePath == other.imagePath &&
           fallbackUrl == other.fallbackUrl;
}

bool SocialActivityAttachment::isEmpty() const
{
    return firstText.isEmpty() && linkUrl.isEmpty() && title.isEmpty() && lastText.isEmpty() &&
           media.isEmpty();
}

bool SocialActivityAttachment::operator==(const SocialActivityAttachment &other) const
{
    return firstText == other.firstText && linkUrl == other.linkUrl && title == other.title &&
           lastText == other.lastText && media == other.media;
}
