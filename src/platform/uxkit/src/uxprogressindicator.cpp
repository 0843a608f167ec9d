#include "uxprogressindicator.h"

#include <QPainter>
#include <QWidget>

namespace {

const int s_frameInterval = 40;
const int s_phases = 36;
const qreal s_spinnerSize = 48;
const qreal s_barHeight = 8;

} // namespace

UxProgressIndicator::UxProgressIndicator(QGraphicsItem *parent, const QString &viewType)
    : UxWidget(parent), m_viewType(viewType)
{
    m_timer.setInterval(s_frameInterval);
    connect(&m_timer, &QTimer::timeout, this, &UxProgressIndicator::step);
}

QString UxProgressIndicator::viewType() const
{
    return m_viewType;
}

bool UxProgressIndicator::isBar() const
{
    return m_viewType == QLatin1String("bar");
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

int UxProgressIndicator::minimum() const
{
    return m_minimum;
}

int UxProgressIndicator::maximum() const
{
    return m_maximum;
}

void UxProgressIndicator::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
    setValue(m_value);
    update();
}

int UxProgressIndicator::value() const
{
    return m_value;
}

void UxProgressIndicator::setValue(int value)
{
    m_value = qBound(m_minimum, value, m_maximum);
    update();
}

void UxProgressIndicator::reset()
{
    m_value = m_minimum;
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
    const QSizeF preferred =
        isBar() ? QSizeF(200, s_barHeight) : QSizeF(s_spinnerSize, s_spinnerSize);
    switch (which) {
    case Qt::MinimumSize:
        return isBar() ? QSizeF(s_barHeight * 4, s_barHeight) : preferred / 2;
    case Qt::PreferredSize:
        return preferred;
    case Qt::MaximumSize:
        return isBar() ? QSizeF(QWIDGETSIZE_MAX, s_barHeight) : preferred * 2;
    default:
        return QSizeF(-1, -1);
    }
}

void UxProgressIndicator::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (isBar())
        paintBar(painter, boundingRect());
    else
        paintRing(painter, boundingRect());
    painter->restore();
}

void UxProgressIndicator::paintRing(QPainter *painter, const QRectF &area) const
{
    const qreal side = qMin(area.width(), area.height());
    const qreal thickness = qMax<qreal>(2, side / 10);
    QRectF ring(0, 0, side - thickness, side - thickness);
    ring.moveCenter(area.center());

    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(palette().color(QPalette::Mid), thickness));
    painter->drawEllipse(ring);

    // Angles in sixteenths of a degree, counter-clockwise from three o'clock.
    int start = 90 * 16;
    int span = 0;
    if (m_unknownDuration) {
        start -= m_phase * (360 / s_phases) * 16;
        span = -100 * 16;
    } else if (m_maximum > m_minimum) {
        span = -int(360.0 * 16 * (m_value - m_minimum) / (m_maximum - m_minimum));
    }
    painter->setPen(
        QPen(palette().color(QPalette::Highlight), thickness, Qt::SolidLine, Qt::RoundCap));
    painter->drawArc(ring, start, span);
}

void UxProgressIndicator::paintBar(QPainter *painter, const QRectF &area) const
{
    const qreal radius = area.height() / 2;
    painter->setPen(Qt::NoPen);
    painter->setBrush(palette().color(QPalette::Mid));
    painter->drawRoundedRect(area, radius, radius);

    QRectF filled = area;
    if (m_unknownDuration) {
        // A third of the bar sliding along.
        filled.setWidth(area.width() / 3);
        filled.moveLeft(area.left() + (area.width() - filled.width()) * m_phase / (s_phases - 1));
    } else if (m_maximum > m_minimum) {
        filled.setWidth(area.width() * (m_value - m_minimum) / (m_maximum - m_minimum));
    } else {
        return;
    }
    painter->setBrush(palette().color(QPalette::Highlight));
    painter->drawRoundedRect(filled, radius, radius);
}
