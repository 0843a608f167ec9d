#ifndef THUMBNAILLOADER_P_H
#define THUMBNAILLOADER_P_H

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

class AttachmentImageWidget;

// Decodes thumbnails away from the user-interface thread, so that pushing an
// activity with photos costs no decoding, and hands each picture back to its
// thumbnail if that still exists. Pictures are decoded one at a time, at the
// size a thumbnail shows in device pixels, which bounds the memory they take.
class ThumbnailLoader : public QObject
{
    Q_OBJECT
public:
    static ThumbnailLoader *instance();
    ~ThumbnailLoader() override;

    // The thumbnail shows its picture once it is decoded; one deleted before
    // then is not decoded, or its picture is dropped.
    void load(AttachmentImageWidget *thumbnail);

private:
    explicit ThumbnailLoader(QObject *parent);
    Q_DISABLE_COPY(ThumbnailLoader)

    void deliver(quint64 ticket, const QString &path, const QImage &image, const QString &why);

    static ThumbnailLoader *s_instance;
    QThreadPool m_pool;
    QHash<quint64, QPointer<AttachmentImageWidget>> m_waiting;
    quint64 m_lastTicket = 0;
};

#endif // THUMBNAILLOADER_P_H
