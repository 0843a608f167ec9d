#include "thumbnail_p.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QtMath>

namespace {

const QSize s_shownSize(96, 54);

// As many pixels as the screen shows in a thumbnail's place.
QSize decodeBox()
{
    const qreal ratio = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                            ? qGuiApp->devicePixelRatio()
                            : 1.0;
    return QSize(qCeil(s_shownSize.width() * ratio), qCeil(s_shownSize.height() * ratio));
}

} // namespace

namespace Thumbnail {

QPixmap load(const QString &path)
{
    const QSize box = decodeBox();
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
