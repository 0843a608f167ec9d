#ifndef AVATARIMAGE_P_H
#define AVATARIMAGE_P_H

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace AvatarImage {

// The picture at path decoded straight to size in device pixels, cropping
// the centre so the aspect ratio is kept; the full-size image is never held
// in memory. Decoded once for all avatars of the same picture and size until
// the file changes. Null, with a warning, when the file is not a regular
// file within the image budgets or cannot be read.
QPixmap picture(const QString &path, const QSize &size);

// Up to two letters: the first of the first and of the last word.
QString initials(const QString &label);

// A stable colour per label, so different people look different.
QColor colourFor(const QString &label);

} // namespace AvatarImage

#endif // AVATARIMAGE_P_H
