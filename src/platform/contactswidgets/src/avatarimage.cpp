#include "avatarimage_p.h"

#include <QDebug>
#include <QHash>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextBoundaryFinder>

namespace AvatarImage {

namespace {

QString firstGrapheme(const QString &word)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    const int end = finder.toNextBoundary();
    return word.left(end > 0 ? end : 1);
}

} // namespace

QImage decode(const QString &path, const QSize &size)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // Scaling and clipping apply before the orientation is corrected.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize target = turned ? size.transposed() : size;
    const QSize source = reader.size();
    if (source.isValid()) {
        const QSize scaled = source.scaled(target, Qt::KeepAspectRatioByExpanding);
        reader.setScaledSize(scaled);
        reader.setScaledClipRect(QRect(
            QPoint((scaled.width() - target.width()) / 2, (scaled.height() - target.height()) / 2),
            target));
    } else {
        reader.setScaledSize(target);
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        qWarning() << Q_FUNC_INFO << "Cannot read the avatar picture" << path
                   << reader.errorString();
    }
    return image;
}

QString initials(const QString &label)
{
    const QStringList words =
        label.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty()) {
        return {};
    }
    QString letters = firstGrapheme(words.first());
    if (words.size() > 1) {
        letters += firstGrapheme(words.last());
    }
    return letters.toUpper();
}

QColor colourFor(const QString &label)
{
    const QString name = label.simplified();
    if (name.isEmpty()) {
        return QColor(0x9e, 0x9e, 0x9e);
    }
    return QColor::fromHsv(int(qHash(name) % 360), 150, 180);
}

} // namespace AvatarImage
