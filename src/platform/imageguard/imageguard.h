#ifndef IMAGEGUARD_H
#define IMAGEGUARD_H

#include <QImage>
#include <QSize>
#include <QString>

// Pictures named by other people may be pipes that block open() for ever,
// devices, or files whose header claims billions of pixels. Everything here
// checks the file before it is opened, reads the header before any pixel and
// decodes only at the size the picture is shown. Safe to call from any
// thread except devicePixels(); the reasons given are for warnings.
namespace ImageGuard {

// Files above this many bytes are not read.
constexpr qint64 s_maxFileBytes = 64 * 1024 * 1024;
// Images above this many pixels are not decoded.
constexpr qint64 s_maxPixels = 40 * 1000 * 1000;

enum class Scaling {
    ShrinkToFit, // fits the box keeping the aspect ratio, never enlarged
    ScaleToFit,  // fits the box keeping the aspect ratio, small ones enlarged
    CropToFill,  // fills the box exactly, the centre kept
};

// Whether path, once its links are followed, is a regular file of at most
// maxBytes. Only looks at the file system entry: nothing is opened.
bool isReadableRegularFile(const QString &path, qint64 maxBytes, QString *why);

// Whether the header of the image at path claims no more than s_maxPixels.
// True also for files whose size cannot be told from the header: they are
// refused only when decoded.
bool fitsPixelBudget(const QString &path, QString *why);

// The image at path decoded straight to the box in device pixels; an invalid
// or empty box keeps the image's own size. Null, with the reason, for files
// that are not readable regular files, images above the pixel budget, images
// whose size the header does not tell and undecodable ones. ":/" resources
// are compiled in and need no file checks, only the budgets.
QImage readBounded(const QString &path, const QSize &deviceBox, Scaling scaling, QString *why);

// Whether the content of path, a readable regular file, is an image of a
// known format, whatever its name says.
bool isImageByContent(const QString &path);

// The application's device pixel ratio, 1 without a GUI application: a
// pixmap decoded at devicePixels() is drawn at it. Call it on the
// user-interface thread.
qreal devicePixelRatio();

// The size shown times devicePixelRatio(). Call it on the user-interface
// thread.
QSize devicePixels(const QSize &shown);

} // namespace ImageGuard

#endif // IMAGEGUARD_H
