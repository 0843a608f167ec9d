#include "uximagewidget.h"

#include "uxtheme.h"

#include <QPainter>

UxImageWidget::UxImageWidget(QGraphicsItem *parent) : UxWidget(parent) {}

void UxImageWidget::setImage(const QString &id, const QSize &size)
{
    if (id == m_id && size == m_size && (id.isEmpty() || !m_pixmap.isNull()))
        return;
    m_id = id;
    m_size = size;
    // Shown once decoded, unless another image was asked for meanwhile.
    m_pixmap = UxTheme::pixmap(id, size, this, [this, id, size](const QPixmap &pixmap) {
        if (id != m_id || size != m_size)
            return;
        m_pixmap = pixmap;
        updateGeometry();
        update();
    });
    updateGeometry();
    update();
}

QString UxImageWidget::image() const
{
    return m_id;
}

QSize UxImageWidget::imageSize() const
{
    return m_size;
}

void UxImageWidget::setPixmap(const QPixmap &pixmap)
{
    m_id.clear();
    m_size = QSize();
    m_pixmap = pixmap;
    updateGeometry();
    update();
}

QPixmap UxImageWidget::pixmap() const
{
    return m_pixmap;
}

void UxImageWidget::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    if (m_pixmap.isNull())
        return;
    const QRectF area = contentsRect();
    QSizeF shown = m_pixmap.size();
    shown.scale(area.size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), shown);
    target.moveCenter(area.center());
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawPixmap(target, m_pixmap, QRectF(m_pixmap.rect()));
    painter->restore();
}

QSizeF UxImageWidget::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    switch (which) {
    case Qt::MinimumSize:
        return QSizeF(0, 0);
    case Qt::PreferredSize:
        if (m_size.isValid())
            return m_size;
        // A pixmap made for a high-density screen is shown at its logical size.
        return m_pixmap.isNull() ? QSizeF(0, 0)
                                 : QSizeF(m_pixmap.size()) / m_pixmap.devicePixelRatio();
    default:
        return UxWidget::sizeHint(which, constraint);
    }
}
