#ifndef PIXMAPLOADER_H
#define PIXMAPLOADER_H

#include "imageguard.h"

#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

class QObject;

namespace ImageGuard {

// What to decode, and the QPixmapCache key its pixmap is kept under. The
// box is in device pixels at devicePixelRatio, which the pixmap is given, so
// it is drawn at the logical size; the key must tell ratios apart. Pictures
// that are shown once, such as thumbnails, are not kept, so that they do not
// push the shared ones out of the cache; their key only joins requests made
// while one decode runs.
struct PixmapRequest
{
    QString cacheKey;
    QString path;
    QSize deviceBox;
    Scaling scaling;
    qreal devicePixelRatio = 1.0;
    bool kept = true;
};

// For a kept request, the pixmap kept under its key, at once, and nothing
// else happens. Otherwise a null pixmap: the picture is decoded on a worker
// thread, one at a time, kept in the cache when it could be read, and ready
// is called on the user-interface thread with it, or with a null pixmap after
// failed was given the reason. A request for a key being decoded waits for
// that decode, and failed is called once per decode, so it must not need the
// receiver. Once the receiver is deleted ready is not called; a picture that
// no receiver waits for any more is not decoded, nor reported. Call it on the
// user-interface thread.
QPixmap pixmapLater(const PixmapRequest &request, QObject *receiver,
                    const std::function<void(const QPixmap &)> &ready,
                    const std::function<void(const QString &why)> &failed);

} // namespace ImageGuard

#endif // PIXMAPLOADER_H
