#ifndef AVATARIMAGE_P_H
#define AVATARIMAGE_P_H

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace AvatarImage {

// Decodes the picture at path straight to size in device pixels, cropping
// the centre so the aspect ratio is kept; the full-size image is never held
// in memory. Null, with a warning, when the file is not a regular file
// within the image budgets or cannot be read.
QImage decode(const QString &path, const QSize &size);

// Up to two letters: the first of the first and of the last word.
QString initials(const QString &label);

// A stable colour per label, so different people look different.
QColor colourFor(const QString &label);

} // namespace AvatarImage

#endif // AVATARIMAGE_P_H
