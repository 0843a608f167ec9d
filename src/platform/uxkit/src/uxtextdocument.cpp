#include "uxtextdocument_p.h"

#include <QImage>

QVariant UxTextDocument::loadResource(int type, const QUrl &)
{
    // Given no image, Qt would read the file itself; a blank one stops it.
    if (type == QTextDocument::ImageResource) {
        QImage blank(1, 1, QImage::Format_ARGB32_Premultiplied);
        blank.fill(Qt::transparent);
        return blank;
    }
    return QVariant();
}
