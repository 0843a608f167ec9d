#include "uxbutton.h"

#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

const qreal s_horizontalPadding = 16;
const qreal s_verticalPadding = 10;
const qreal s_minimumHeight = 40;
const qreal s_radius = 8;

} // namespace

UxButton::UxButton(const QString &text, QGraphicsItem *parent) : UxWidget(parent), m_text(text)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QString UxButton::text() const
{
    return m_text;
}

void UxButton::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

bool UxButton::isDown() const
{
    return m_down;
}

void UxButton::click()
{
    if (isEnabled())
        emit clicked();
}

void UxButton::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF frame = boundingRect().adjusted(1, 1, -1, -1);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    QColor fill = palette().color(group, isEnabled() ? QPalette::Highlight : QPalette::Button);
    if (m_down)
        fill = fill.darker(130);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(fill);
    painter->drawRoundedRect(frame, s_radius, s_radius);
    painter->setPen(
        palette().color(group, isEnabled() ? QPalette::HighlightedText : QPalette::ButtonText));
    painter->setFont(font());
    const QFontMetricsF metrics(font());
    painter->drawText(
        frame, Qt::AlignCenter,
        metrics.elidedText(m_text, Qt::ElideRight, frame.width() - s_horizontalPadding));
    painter->restore();
}

QSizeF UxButton::sizeHint(Qt::SizeHint which, const QSizeF &) const
{
    const QFontMetricsF metrics(font());
    const qreal height = qMax(s_minimumHeight, metrics.height() + 2 * s_verticalPadding);
    switch (which) {
    case Qt::MinimumSize:
        return QSizeF(height, height);
    case Qt::PreferredSize:
        return QSizeF(metrics.horizontalAdvance(m_text) + 2 * s_horizontalPadding, height);
    case Qt::MaximumSize:
        return QSizeF(QWIDGETSIZE_MAX, height);
    default:
        return QSizeF(-1, -1);
    }
}

void UxButton::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled()) {
        event->ignore();
        return;
    }
    setDown(true);
}

void UxButton::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    setDown(boundingRect().contains(event->pos()));
}

void UxButton::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const bool tapped = m_down && boundingRect().contains(event->pos());
    setDown(false);
    if (tapped)
        click();
}

void UxButton::ungrabMouseEvent(QEvent *)
{
    setDown(false);
}

void UxButton::setDown(bool down)
{
    if (down == m_down)
        return;
    m_down = down;
    update();
}
