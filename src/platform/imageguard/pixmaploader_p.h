#ifndef PIXMAPLOADER_P_H
#define PIXMAPLOADER_P_H

#include "pixmaploader.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <atomic>
#include <memory>

namespace ImageGuard {

// Lives on the user-interface thread; only reading the files runs on its
// worker, so the waiting lists need no lock.
class PixmapLoader : public QObject
{
public:
    using Ready = std::function<void(const QPixmap &)>;
    using Failed = std::function<void(const QString &why)>;

    static PixmapLoader *instance();
    ~PixmapLoader() override;

    void wait(const PixmapRequest &request, QObject *receiver, const Ready &ready,
              const Failed &failed);

private:
    struct Waiter
    {
        QPointer<QObject> receiver;
        Ready ready;
        QMetaObject::Connection watch;
    };
    struct Decode
    {
        quint64 ticket = 0;
        std::shared_ptr<std::atomic_bool> wanted;
        Failed failed;
        bool kept = true;
        QList<Waiter> waiters;
    };

    explicit PixmapLoader(QObject *parent);
    Q_DISABLE_COPY(PixmapLoader)

    void start(const PixmapRequest &request, const Decode &decode);
    void forget(const QString &key, quint64 ticket);
    void deliver(const QString &key, quint64 ticket, const QImage &image, const QString &why);

    static PixmapLoader *s_instance;
    QThreadPool m_pool;
    QHash<QString, Decode> m_decodes;
    quint64 m_lastTicket = 0;
};

} // namespace ImageGuard

#endif // PIXMAPLOADER_P_H
