#include "uxprogressindicator.h"

#include <QPainter>
#include <QWidget>

namespace {

const int s_frameInterval = 40;
const int s_phases = 36;
const qreal s_size = 48;

} // namespace

// The toolkit's other view types are not needed here: each draws as the ring.
UxProgressIndicator::UxProgressIndicator(QGraphicsItem *parent, const QString &) : UxWidget(parent)
{
    m_timer.setInterval(s_frameInterval);
    connect(&m_timer, &QTimer::timeout, this, &UxProgressIndicator::step);
}

bool UxProgressIndicator::unknownDuration() const
{
    return m_unknownDuration;
}

void UxProgressIndicator::setUnknownDuration(bool unknownDuration)
{
    if (unknownDuration == m_unknownDuration)
        return;
    m_unknownDuration = unknownDuration;
    updateAnimation();
    update();
}

bool UxProgressIndicator::isSpinning() const
{
    return m_timer.isActive();
}

void UxProgressIndicator::reset()
{
    m_phase = 0;
    update();
}

void UxProgressIndicator::updateAnimation()
{
    const bool run = m_unknownDuration && isVisible() && scene();
    if (run && !m_timer.isActive())
        m_timer.start();
    else if (!run)
        m_timer.stop();
}

void UxProgressIndicator::step()
{
    m_phase = (m_phase + 1) % s_phases;
    update();
}

QVariant UxProgressIndicator::itemChange(GraphicsItemChange change, const QVariant &value)
{
    const QVariant result = UxWidget::itemChange(change, value);
    if (change == ItemVisibleHasChanged || change == ItemSceneHasChanged)
        updateAnimation();
    return result;
}

QSizeF UxProgressIndicator::sizeHint(Qt::SizeHint which, const QSizeF &) const
{
    const QSizeF preferred(s_size, s_size);
    switch (which) {
    case Qt::MinimumSize:
        return preferred / 2;
    case Qt::PreferredSize:
        return preferred;
    case Qt::MaximumSize:
        return preferred * 2;
    default:
        return QSizeF(-1, -1);
    }
}

void UxProgressIndicator::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF area = boundingRect();
    const qreal side = qMin(area.width(), area.height());
    const qreal thickness = qMax<qreal>(2, side / 10);
    QRectF ring(0, 0, side - thickness, side - thickness);
    ring.moveCenter(area.center());

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(palette().color(QPalette::Mid), thickness));
    painter->drawEllipse(ring);
    if (m_unknownDuration) {
        // Angles in sixteenths of a degree, counter-clockwise from three o'clock.
        const int start = 90 * 16 - m_phase * (360 / s_phases) * 16;
        painter->setPen(
            QPen(palette().color(QPalette::Highlight), thickness, Qt::SolidLine, Qt::RoundCap));
        painter->drawArc(ring, start, -100 * 16);
    }
    painter->restore();
}
