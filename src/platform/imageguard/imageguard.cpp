#include "imageguard.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QtMath>

#include <cerrno>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ImageGuard {

namespace {

void setWhy(QString *why, const QString &reason)
{
    if (why)
        *why = reason;
}

// Thread-safe, unlike strerror().
QString systemError()
{
    return qt_error_string(errno);
}

// Compiled into the program, so neither pipes nor other people's files.
bool isResource(const QString &path)
{
    return path.startsWith(QLatin1String(":/"));
}

QString kindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("it is a folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("it is a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("it is a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("it is a socket");
    return QStringLiteral("it is not a regular file");
}

QString tooLarge(qint64 bytes, qint64 maxBytes)
{
    return QStringLiteral("it has %1 bytes, more than %2").arg(bytes).arg(maxBytes);
}

// Opened without waiting, then the opened file itself is checked again: an
// entry swapped for a pipe between the two steps is still refused.
std::unique_ptr<QFile> openChecked(const QString &path, QString *why)
{
    if (isResource(path)) {
        auto resource = std::make_unique<QFile>(path);
        if (!resource->open(QIODevice::ReadOnly)) {
            setWhy(why, QStringLiteral("there is no such resource"));
            return nullptr;
        }
        return resource;
    }
    if (!isReadableRegularFile(path, s_maxFileBytes, why))
        return nullptr;
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setWhy(why, QStringLiteral("it cannot be opened: ") + systemError());
        return nullptr;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size > s_maxFileBytes) {
        ::close(fd);
        setWhy(why, QStringLiteral("it changed while it was opened"));
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        setWhy(why, QStringLiteral("it cannot be opened: ") + file->errorString());
        return nullptr;
    }
    return file;
}

bool isWithinPixelBudget(const QSize &size, QString *why)
{
    if (qint64(size.width()) * size.height() <= s_maxPixels)
        return true;
    setWhy(why, QStringLiteral("it has %1 by %2 pixels, more than %3 megapixels")
                    .arg(size.width())
                    .arg(size.height())
                    .arg(s_maxPixels / 1000000));
    return false;
}

QSize scaledSize(const QSize &source, const QSize &box, Scaling scaling)
{
    switch (scaling) {
    case Scaling::ShrinkToFit:
        if (source.width() <= box.width() && source.height() <= box.height())
            return source;
        break;
    case Scaling::ScaleToFit:
        break;
    case Scaling::CropToFill:
        return source.scaled(box, Qt::KeepAspectRatioByExpanding).expandedTo(box);
    }
    return source.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QRect centred(const QSize &scaled, const QSize &box)
{
    return QRect(QPoint((scaled.width() - box.width()) / 2, (scaled.height() - box.height()) / 2),
                 box);
}

} // namespace

bool isReadableRegularFile(const QString &path, qint64 maxBytes, QString *why)
{
    if (path.isEmpty()) {
        setWhy(why, QStringLiteral("the path is empty"));
        return false;
    }
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        setWhy(why, QStringLiteral("it cannot be found: ") + systemError());
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        setWhy(why, kindOf(status.st_mode));
        return false;
    }
    if (status.st_size > maxBytes) {
        setWhy(why, tooLarge(status.st_size, maxBytes));
        return false;
    }
    return true;
}

bool fitsPixelBudget(const QString &path, QString *why)
{
    const std::unique_ptr<QFile> file = openChecked(path, why);
    if (!file)
        return false;
    QImageReader reader(file.get());
    const QSize size = reader.size();
    return !size.isValid() || isWithinPixelBudget(size, why);
}

QImage readBounded(const QString &path, const QSize &deviceBox, Scaling scaling, QString *why)
{
    const std::unique_ptr<QFile> file = openChecked(path, why);
    if (!file)
        return QImage();
    QImageReader reader(file.get());
    reader.setAutoTransform(true);
    const QSize source = reader.size();
    if (!source.isValid()) {
        setWhy(why, QStringLiteral("its size cannot be read from its header"));
        return QImage();
    }
    if (!isWithinPixelBudget(source, why))
        return QImage();
    // Scaling and clipping apply before the orientation is corrected.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const QSize box = turned ? deviceBox.transposed() : deviceBox;
    if (deviceBox.isValid() && !deviceBox.isEmpty()) {
        const QSize scaled = scaledSize(source, box, scaling);
        if (scaled != source)
            reader.setScaledSize(scaled);
        if (scaling == Scaling::CropToFill)
            reader.setScaledClipRect(centred(scaled, box));
    }
    const QImage image = reader.read();
    if (image.isNull())
        setWhy(why, reader.errorString());
    return image;
}

bool isImageByContent(const QString &path)
{
    const std::unique_ptr<QFile> file = openChecked(path, nullptr);
    return file && QImageReader(file.get()).canRead();
}

qreal devicePixelRatio()
{
    return qobject_cast<QGuiApplication *>(QCoreApplication::instance())
               ? qGuiApp->devicePixelRatio()
               : 1.0;
}

QSize devicePixels(const QSize &shown)
{
    if (!shown.isValid())
        return shown;
    const qreal ratio = devicePixelRatio();
    return QSize(qCeil(shown.width() * ratio), qCeil(shown.height() * ratio));
}

} // namespace ImageGuard
