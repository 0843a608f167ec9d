#include "avatarimage_p.h"

#include <imageguard.h>

#include <QDebug>
#include <QHash>
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
    QString why;
    const QImage image = ImageGuard::readBounded(path, ImageGuard::devicePixels(size),
                                                 ImageGuard::Scaling::CropToFill, &why);
    if (image.isNull()) {
        qWarning() << Q_FUNC_INFO << "Cannot read the avatar picture" << path
                   << qUtf8Printable(why);
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
