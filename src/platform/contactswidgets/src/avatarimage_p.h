#ifndef AVATARIMAGE_P_H
#define AVATARIMAGE_P_H

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

class QObject;

namespace AvatarImage {

// The picture at path at size in device pixels, when it is already decoded;
// otherwise null, and ready is called later, on this thread, with the picture
// or with a null one when the file is not a regular file within the image
// budgets or cannot be read (with a warning). Decoded off the user-interface
// thread, straight to size, cropping the centre so the aspect ratio is kept:
// the full-size image is never held in memory. Decoded once for all avatars
// of the same picture and size until the file changes. ready is not called
// once receiver is deleted.
QPixmap picture(const QString &path, const QSize &size, QObject *receiver,
                const std::function<void(const QPixmap &)> &ready);

// Up to two letters: the first of the first and of the last word.
QString initials(const QString &label);

// A stable colour per label, so different people look different.
QColor colourFor(const QString &label);

} // namespace AvatarImage

#endif // AVATARIMAGE_P_H
