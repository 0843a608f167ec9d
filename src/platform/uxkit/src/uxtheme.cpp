#include "uxtheme.h"

#include "uxfolderlist_p.h"
#include "uxlogging_p.h"

#include <imageguard.h>
#include <pixmaploader.h>

#include <QFileInfo>
#include <QPixmapCache>
#include <QSet>

namespace {

Q_GLOBAL_STATIC(QStringList, s_searchPaths)
// One entry per registration: a library may be registered more than once.
Q_GLOBAL_STATIC(QStringList, s_libraries)
// Ids and files already reported, so that each is logged once.
Q_GLOBAL_STATIC(QSet<QString>, s_reported)
// Ids come from other people: past this many the memory is worth more than
// a repeated warning, so the list starts again.
const int s_maxReported = 256;

bool reportOnce(const QString &what)
{
    if (s_reported->contains(what))
        return false;
    if (s_reported->size() >= s_maxReported)
        s_reported->clear();
    s_reported->insert(what);
    return true;
}

bool isResourceId(const QString &id)
{
    return id.startsWith(QLatin1String(":/"));
}

// Ids come from service records that other people write: a name never
// reaches outside the folders of the theme.
bool isThemeName(const QString &id)
{
    return !id.contains(QLatin1Char('/')) && !id.contains(QLatin1Char('\\')) &&
           !id.contains(QLatin1String(".."));
}

// Also once links are followed.
bool isInside(const QString &file, const QString &directory)
{
    const QString folder = QFileInfo(directory).canonicalFilePath();
    return !folder.isEmpty() &&
           QFileInfo(file).canonicalFilePath().startsWith(folder + QLatin1Char('/'));
}

// The file of id, with a warning the first time it has none.
QString resolved(const QString &id)
{
    const QString path = UxTheme::imagePath(id);
    if (path.isEmpty() && !id.isEmpty() && reportOnce(id)) {
        if (isResourceId(id) || isThemeName(id))
            qCWarning(lcUxTheme) << "No theme image for id" << id;
        else
            qCWarning(lcUxTheme) << "Will not look outside the theme for image id" << id;
    }
    return path;
}

// Decoded straight at the size shown: the file may be of any size. The same
// box in device pixels is another logical size at another ratio.
QString cacheKey(const QString &path, const QSize &box, qreal ratio)
{
    return QStringLiteral("uxtheme:%1:%2x%3@%4")
        .arg(path, QString::number(box.width()), QString::number(box.height()),
             QString::number(ratio));
}

void reportUnreadable(const QString &path, const QString &why)
{
    if (reportOnce(path))
        qCWarning(lcUxTheme) << "Theme image could not be read:" << path << qUtf8Printable(why);
}

} // namespace

void UxTheme::addImageSearchPath(const QString &directory)
{
    UxFolderList::add(s_searchPaths, directory, UxFolderList::Position::First);
}

QString UxTheme::imagePath(const QString &id)
{
    if (id.isEmpty())
        return QString();
    if (isResourceId(id))
        return QFileInfo::exists(id) ? id : QString();
    if (!isThemeName(id))
        return QString();
    return UxFolderList::find(*s_searchPaths, id + QLatin1String(".png"), isInside);
}

QPixmap UxTheme::pixmap(const QString &id, const QSize &size)
{
    const QString path = resolved(id);
    if (path.isEmpty())
        return QPixmap();
    const QSize box = ImageGuard::devicePixels(size);
    const qreal ratio = ImageGuard::devicePixelRatio();
    const QString key = cacheKey(path, box, ratio);
    QPixmap result;
    if (QPixmapCache::find(key, &result))
        return result;

    QString why;
    QImage image = ImageGuard::readBounded(path, box, ImageGuard::Scaling::ScaleToFit, &why);
    if (image.isNull()) {
        reportUnreadable(path, why);
        return result;
    }
    image.setDevicePixelRatio(ratio);
    result = QPixmap::fromImage(image);
    QPixmapCache::insert(key, result);
    return result;
}

QPixmap UxTheme::pixmap(const QString &id, const QSize &size, QObject *receiver,
                        const std::function<void(const QPixmap &)> &ready)
{
    const QString path = resolved(id);
    if (path.isEmpty())
        return QPixmap();
    const QSize box = ImageGuard::devicePixels(size);
    const qreal ratio = ImageGuard::devicePixelRatio();
    const ImageGuard::PixmapRequest request{cacheKey(path, box, ratio), path, box,
                                            ImageGuard::Scaling::ScaleToFit, ratio};
    return ImageGuard::pixmapLater(request, receiver, ready,
                                   [path](const QString &why) { reportUnreadable(path, why); });
}

void UxTheme::registerLibrary(const QString &name)
{
    s_libraries->append(name);
}

void UxTheme::unregisterLibrary(const QString &name)
{
    s_libraries->removeOne(name);
}

QStringList UxTheme::libraries()
{
    QStringList names = *s_libraries;
    names.removeDuplicates();
    return names;
}
