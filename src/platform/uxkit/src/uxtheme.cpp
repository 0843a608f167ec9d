#include "uxtheme.h"

#include "uxlogging_p.h"

#include <QDir>
#include <QFileInfo>
#include <QPixmapCache>
#include <QSet>

namespace {

QStringList &searchPaths()
{
    static QStringList s_searchPaths;
    return s_searchPaths;
}

// One entry per registration: a library may be registered more than once.
QStringList &registeredLibraries()
{
    static QStringList s_libraries;
    return s_libraries;
}

// Ids already reported as missing, so that a missing icon is logged once.
QSet<QString> &missingIds()
{
    static QSet<QString> s_missing;
    return s_missing;
}

bool isFileId(const QString &id)
{
    return id.startsWith(QLatin1String(":/")) || QDir::isAbsolutePath(id);
}

} // namespace

void UxTheme::addImageSearchPath(const QString &directory)
{
    const QString path = QDir::cleanPath(directory);
    if (directory.isEmpty() || searchPaths().contains(path))
        return;
    searchPaths().prepend(path);
}

QStringList UxTheme::imageSearchPaths()
{
    return searchPaths();
}

QString UxTheme::imagePath(const QString &id)
{
    if (id.isEmpty())
        return QString();
    if (isFileId(id))
        return QFileInfo::exists(id) ? id : QString();
    for (const QString &directory : qAsConst(searchPaths())) {
        const QString candidate = directory + QLatin1Char('/') + id + QLatin1String(".png");
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QString();
}

QPixmap UxTheme::pixmap(const QString &id, const QSize &size)
{
    const QString path = imagePath(id);
    if (path.isEmpty()) {
        if (!id.isEmpty() && !missingIds().contains(id)) {
            missingIds().insert(id);
            qCWarning(lcUxTheme) << "No theme image for id" << id;
        }
        return QPixmap();
    }

    const QString key =
        QStringLiteral("uxtheme:%1:%2x%3").arg(path).arg(size.width()).arg(size.height());
    QPixmap result;
    if (QPixmapCache::find(key, &result))
        return result;

    result = QPixmap(path);
    if (result.isNull()) {
        qCWarning(lcUxTheme) << "Theme image could not be read:" << path;
        return result;
    }
    if (size.isValid() && !size.isEmpty() && result.size() != size)
        result = result.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPixmapCache::insert(key, result);
    return result;
}

void UxTheme::registerLibrary(const QString &name)
{
    registeredLibraries().append(name);
}

void UxTheme::unregisterLibrary(const QString &name)
{
    registeredLibraries().removeOne(name);
}

QStringList UxTheme::libraries()
{
    QStringList names = registeredLibraries();
    names.removeDuplicates();
    return names;
}
