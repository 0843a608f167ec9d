#include "thumbnail_p.h"

#include <QImage>
#include <QImageReader>

namespace {

const QSize s_decodeBox(2 * 96, 2 * 54);

} // namespace

namespace Thumbnail {

QPixmap load(const QString &path)
{
    const QSize &box = s_decodeBox;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid()) {
        if (size.width() > box.width() || size.height() > box.height())
            reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
        return QPixmap::fromImage(reader.read());
    }

    // Formats that cannot tell their size up front are shrunk after
    // decoding; only the small copy is kept.
    QImage image = reader.read();
    if (image.width() > box.width() || image.height() > box.height())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

} // namespace Thumbnail
