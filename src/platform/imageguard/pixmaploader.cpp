#include "pixmaploader_p.h"

#include <QCoreApplication>
#include <QPixmapCache>

#include <algorithm>

namespace ImageGuard {

PixmapLoader *PixmapLoader::s_instance = nullptr;

PixmapLoader *PixmapLoader::instance()
{
    if (!s_instance)
        s_instance = new PixmapLoader(QCoreApplication::instance());
    return s_instance;
}

PixmapLoader::PixmapLoader(QObject *parent) : QObject(parent)
{
    // One picture in memory at a time, whatever the number of cores.
    m_pool.setMaxThreadCount(1);
}

PixmapLoader::~PixmapLoader()
{
    m_pool.clear();
    m_pool.waitForDone();
    if (s_instance == this)
        s_instance = nullptr;
}

void PixmapLoader::wait(const PixmapRequest &request, QObject *receiver, const Ready &ready,
                        const Failed &failed)
{
    const QString key = request.cacheKey;
    Decode &decode = m_decodes[key];
    const bool started = decode.ticket != 0;
    if (!started) {
        decode.ticket = ++m_lastTicket;
        decode.wanted = std::make_shared<std::atomic_bool>(true);
        decode.failed = failed;
        decode.kept = request.kept;
    }
    const quint64 ticket = decode.ticket;
    const QMetaObject::Connection watch =
        connect(receiver, &QObject::destroyed, this, [this, key, ticket] { forget(key, ticket); });
    decode.waiters.append({receiver, ready, watch});
    if (!started)
        start(request, decode);
}

void PixmapLoader::start(const PixmapRequest &request, const Decode &decode)
{
    const quint64 ticket = decode.ticket;
    const std::shared_ptr<std::atomic_bool> wanted = decode.wanted;
    m_pool.start([this, request, ticket, wanted] {
        if (!*wanted)
            return;
        QString why;
        QImage image = readBounded(request.path, request.deviceBox, request.scaling, &why);
        image.setDevicePixelRatio(request.devicePixelRatio);
        const QString key = request.cacheKey;
        QMetaObject::invokeMethod(
            this, [this, key, ticket, image, why] { deliver(key, ticket, image, why); },
            Qt::QueuedConnection);
    });
}

void PixmapLoader::forget(const QString &key, quint64 ticket)
{
    const auto found = m_decodes.find(key);
    if (found == m_decodes.end() || found->ticket != ticket)
        return;
    QList<Waiter> &waiters = found->waiters;
    waiters.erase(std::remove_if(waiters.begin(), waiters.end(),
                                 [](const Waiter &waiter) { return !waiter.receiver; }),
                  waiters.end());
    if (waiters.isEmpty()) {
        *found->wanted = false;
        m_decodes.erase(found);
    }
}

void PixmapLoader::deliver(const QString &key, quint64 ticket, const QImage &image,
                           const QString &why)
{
    const auto found = m_decodes.find(key);
    if (found == m_decodes.end() || found->ticket != ticket)
        return;
    // Taken out first: a receiver may ask for pictures again, or delete
    // another receiver, from its callback.
    const Decode decode = found.value();
    m_decodes.erase(found);

    QPixmap pixmap;
    if (image.isNull()) {
        if (decode.failed)
            decode.failed(why);
    } else {
        pixmap = QPixmap::fromImage(image);
        if (decode.kept)
            QPixmapCache::insert(key, pixmap);
    }
    for (const Waiter &waiter : decode.waiters) {
        disconnect(waiter.watch);
        if (waiter.receiver)
            waiter.ready(pixmap);
    }
}

QPixmap pixmapLater(const PixmapRequest &request, QObject *receiver,
                    const std::function<void(const QPixmap &)> &ready,
                    const std::function<void(const QString &why)> &failed)
{
    QPixmap cached;
    if (request.kept && QPixmapCache::find(request.cacheKey, &cached))
        return cached;
    PixmapLoader::instance()->wait(request, receiver, ready, failed);
    return QPixmap();
}

} // namespace ImageGuard
