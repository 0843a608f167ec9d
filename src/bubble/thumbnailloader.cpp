#include "thumbnailloader_p.h"

#include "attachmentimagewidget.h"
#include "logging.h"

#include <imageguard.h>

#include <QCoreApplication>
#include <QPixmap>

#include <atomic>
#include <memory>

namespace {

const QSize s_shownSize(96, 54);

} // namespace

ThumbnailLoader *ThumbnailLoader::s_instance = nullptr;

ThumbnailLoader *ThumbnailLoader::instance()
{
    if (!s_instance)
        s_instance = new ThumbnailLoader(QCoreApplication::instance());
    return s_instance;
}

ThumbnailLoader::ThumbnailLoader(QObject *parent) : QObject(parent)
{
    // One picture in memory at a time, whatever the number of cores.
    m_pool.setMaxThreadCount(1);
}

ThumbnailLoader::~ThumbnailLoader()
{
    m_pool.clear();
    m_pool.waitForDone();
    if (s_instance == this)
        s_instance = nullptr;
}

void ThumbnailLoader::load(AttachmentImageWidget *thumbnail)
{
    const quint64 ticket = ++m_lastTicket;
    m_waiting.insert(ticket, thumbnail);
    const auto wanted = std::make_shared<std::atomic_bool>(true);
    connect(thumbnail, &QObject::destroyed, this, [this, ticket, wanted] {
        *wanted = false;
        m_waiting.remove(ticket);
    });

    const QString path = thumbnail->imagePath();
    const QSize box = ImageGuard::devicePixels(s_shownSize);
    const qreal ratio = ImageGuard::devicePixelRatio();
    m_pool.start([this, ticket, path, box, ratio, wanted] {
        if (!*wanted)
            return;
        QString why;
        QImage image = ImageGuard::readBounded(path, box, ImageGuard::Scaling::ShrinkToFit, &why);
        // Decoded at device pixels, drawn at the thumbnail's own size.
        image.setDevicePixelRatio(ratio);
        QMetaObject::invokeMethod(
            this, [this, ticket, path, image, why] { deliver(ticket, path, image, why); },
            Qt::QueuedConnection);
    });
}

void ThumbnailLoader::deliver(quint64 ticket, const QString &path, const QImage &image,
                              const QString &why)
{
    const QPointer<AttachmentImageWidget> thumbnail = m_waiting.take(ticket);
    if (!thumbnail)
        return;
    if (image.isNull()) {
        // An empty thumbnail still reports taps.
        qCWarning(lcDavovadezed) << "Cannot show the image from path:" << path
                                 << qUtf8Printable(why);
        return;
    }
    thumbnail->setPixmap(QPixmap::fromImage(image));
}
