#ifndef THUMBNAILLOADER_P_H
#define THUMBNAILLOADER_P_H

class AttachmentImageWidget;

// Thumbnails are decoded away from the user-interface thread, so that pushing
// an activity with photos costs no decoding, one at a time and at the size a
// thumbnail shows in device pixels, which bounds the memory they take.
namespace ThumbnailLoader {

// The thumbnail shows its picture once it is decoded; one deleted before
// then is not decoded, or its picture is dropped.
void load(AttachmentImageWidget *thumbnail);

} // namespace ThumbnailLoader

#endif // THUMBNAILLOADER_P_H
