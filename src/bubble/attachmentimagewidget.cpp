#include "attachmentimagewidget.h"

#include "logging.h"

#include <uxwidget.h>

#include <QGraphicsSceneMouseEvent>

AttachmentImageWidget::AttachmentImageWidget(const QString &imagePath, UxWidget *parent)
    : UxImageWidget(parent), m_imagePath(imagePath)
{
}

QString AttachmentImageWidget::imagePath() const
{
    return m_imagePath;
}

QSizeF AttachmentImageWidget::sizeHint(Qt::SizeHint, const QSizeF &) const
{
    return QSizeF(96, 54);
}

void AttachmentImageWidget::mousePressEvent(QGraphicsSceneMouseEvent *)
{
    // Keeping the press makes this widget the receiver of the release.
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
}

void AttachmentImageWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent *)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << m_imagePath;
    emit clicked(m_imagePath);
}
