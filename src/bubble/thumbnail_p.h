#ifndef THUMBNAIL_P_H
#define THUMBNAIL_P_H

#include <QPixmap>
#include <QString>

// Thumbnails are decoded at the size they are shown at: a full photo from a
// handset camera would cost tens of megabytes per thumbnail.
namespace Thumbnail {

// The image of the file, shrunk to fit the 96 by 54 of a thumbnail in
// device pixels (so still sharp on dense screens) keeping its aspect ratio;
// smaller images keep their size. A null pixmap when the file cannot be
// decoded.
QPixmap load(const QString &path);

} // namespace Thumbnail

#endif // THUMBNAIL_P_H
