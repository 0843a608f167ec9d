#include "thumbnailloader_p.h"

#include "attachmentimagewidget.h"
#include "logging.h"

#include <imageguard.h>
#include <pixmaploader.h>

namespace {

const QSize s_shownSize(96, 54);

} // namespace

namespace ThumbnailLoader {

void load(AttachmentImageWidget *thumbnail)
{
    const QString path = thumbnail->imagePath();
    ImageGuard::PixmapRequest request;
    request.path = path;
    request.deviceBox = ImageGuard::devicePixels(s_shownSize);
    request.scaling = ImageGuard::Scaling::ShrinkToFit;
    request.devicePixelRatio = ImageGuard::devicePixelRatio();
    request.cacheKey = QStringLiteral("thumbnail:%1x%2@%3:")
                           .arg(request.deviceBox.width())
                           .arg(request.deviceBox.height())
                           .arg(request.devicePixelRatio) +
                       path;
    // Each thumbnail is seen once: it is not kept in the shared cache.
    request.kept = false;
    ImageGuard::pixmapLater(
        request, thumbnail,
        [thumbnail](const QPixmap &pixmap) {
            // An empty thumbnail still reports taps.
            if (!pixmap.isNull())
                thumbnail->setPixmap(pixmap);
        },
        [path](const QString &why) {
            qCWarning(lcDavovadezed)
                << "Cannot show the image from path:" << path << qUtf8Printable(why);
        });
}

} // namespace ThumbnailLoader
