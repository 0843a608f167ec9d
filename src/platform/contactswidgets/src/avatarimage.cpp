#include "avatarimage_p.h"
#include "contactswidgetslogging_p.h"

#include <pixmaploader.h>

#include <QDateTime>
#include <QDebug>
#include <QFileInfo>
#include <QHash>
#include <QTextBoundaryFinder>

namespace AvatarImage {

namespace {

// The white space that separates words in a name: ASCII blanks and line
// breaks, as a regular expression's \s means them.
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

QString firstGrapheme(const QString &word)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    const int end = finder.toNextBoundary();
    return word.left(end > 0 ? end : 1);
}

} // namespace

QPixmap picture(const QString &path, const QSize &size, QObject *receiver,
                const std::function<void(const QPixmap &)> &ready)
{
    // A person has one picture for all of their bubbles, at each density.
    // Filled in one pass: a "%2" in the path is not a place for the width.
    const qreal ratio = ImageGuard::devicePixelRatio();
    const QString key =
        QStringLiteral("avatar:%1:%2x%3@%4:%5")
            .arg(path, QString::number(size.width()), QString::number(size.height()),
                 QString::number(ratio),
                 QString::number(QFileInfo(path).lastModified().toMSecsSinceEpoch()));
    const ImageGuard::PixmapRequest request{key, path, ImageGuard::devicePixels(size),
                                            ImageGuard::Scaling::CropToFill, ratio};
    return ImageGuard::pixmapLater(request, receiver, ready, [path](const QString &why) {
        qCWarning(lcContactsWidgets)
            << "Cannot read the avatar picture" << path << qUtf8Printable(why);
    });
}

QString initials(const QString &label)
{
    // Called for every avatar shown: only the first and the last word are
    // looked at, without splitting the whole label.
    int firstStart = 0;
    while (firstStart < label.size() && isBlank(label.at(firstStart))) {
        ++firstStart;
    }
    if (firstStart == label.size()) {
        return {};
    }
    int firstEnd = firstStart;
    while (firstEnd < label.size() && !isBlank(label.at(firstEnd))) {
        ++firstEnd;
    }
    QString letters = firstGrapheme(label.mid(firstStart, firstEnd - firstStart));

    int lastEnd = label.size();
    while (lastEnd > firstEnd && isBlank(label.at(lastEnd - 1))) {
        --lastEnd;
    }
    if (lastEnd > firstEnd) {
        int lastStart = lastEnd;
        while (!isBlank(label.at(lastStart - 1))) {
            --lastStart;
        }
        letters += firstGrapheme(label.mid(lastStart, lastEnd - lastStart));
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
