#ifndef UXTHEME_H
#define UXTHEME_H

#include "uxkit_global.h"

#include <QPixmap>
#include <QSize>
#include <QStringList>

#include <functional>

class QObject;

// The look shared by all widgets: theme images and the libraries that
// registered with the theme.
//
// An image id is either a ":/" resource path, used as given, or a name looked
// up as <dir>/<id>.png in the image search paths, the most recently added
// first. A name never leaves those folders: ids with separators or ".." and
// files whose links lead elsewhere resolve to nothing.
class UXKIT_EXPORT UxTheme
{
public:
    UxTheme() = delete;

    static void addImageSearchPath(const QString &directory);

    // The file an id stands for, or an empty string when none exists.
    static QString imagePath(const QString &id);
    // The image decoded to fit the size in device pixels (keeping its aspect
    // ratio); a null pixmap when the id does not resolve or the file is not
    // a regular one within the image budgets. An invalid size keeps the
    // image's own size.
    static QPixmap pixmap(const QString &id, const QSize &size = QSize());
    // The same image without waiting for the file: at once when it is already
    // decoded, else a null pixmap and ready is called on this thread with it
    // once it is decoded on a worker thread (null when it cannot be read),
    // unless receiver is deleted first. Not called for an id that does not
    // resolve.
    static QPixmap pixmap(const QString &id, const QSize &size, QObject *receiver,
                          const std::function<void(const QPixmap &)> &ready);

    static void registerLibrary(const QString &name);
    static void unregisterLibrary(const QString &name);
    static QStringList libraries();
};

#endif // UXTHEME_H
