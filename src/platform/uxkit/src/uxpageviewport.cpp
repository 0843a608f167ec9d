#include "uxpageviewport_p.h"

#include "uxchildlayout_p.h"
#include "uxwidget.h"

#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QScrollEvent>
#include <QScrollPrepareEvent>
#include <QScroller>
#include <QScrollerProperties>

#include <algorithm>

namespace {

// Pixels per wheel notch (120 eighths of a degree).
const qreal s_wheelStep = 60;

// The page follows the finger itself, at once and to the pixel; the scroller
// only learns the finger's track, and glides on after a quick release.
QScrollerProperties glideProperties()
{
    QScrollerProperties properties;
    properties.setScrollMetric(QScrollerProperties::DragStartDistance, 0.0001);
    properties.setScrollMetric(QScrollerProperties::DecelerationFactor, 0.2);
    properties.setScrollMetric(QScrollerProperties::MaximumVelocity, 1.5);
    properties.setScrollMetric(QScrollerProperties::HorizontalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    properties.setScrollMetric(QScrollerProperties::VerticalOvershootPolicy,
                               QVariant::fromValue(QScrollerProperties::OvershootAlwaysOff));
    return properties;
}

} // namespace

UxPageViewport::UxPageViewport(QGraphicsItem *parent)
    : QGraphicsWidget(parent), m_content(new UxWidget(this)), m_scroller(QScroller::scroller(this))
{
    setFlag(ItemClipsChildrenToShape);
    setFiltersChildEvents(true);
    // The content's size hint changes reach fitContent() as layout requests.
    UxChildLayout::link(this, m_content);
    m_scroller->setScrollerProperties(glideProperties());
    m_clock.start();
}

UxPageViewport::~UxPageViewport()
{
    UxChildLayout::unlinkAll(this);
}

UxWidget *UxPageViewport::content() const
{
    return m_content;
}

qreal UxPageViewport::scrollPosition() const
{
    return m_position;
}

qreal UxPageViewport::maximumScrollPosition() const
{
    return std::max<qreal>(0, m_contentHeight - size().height());
}

void UxPageViewport::setScrollPosition(qreal position)
{
    m_position = std::clamp<qreal>(position, 0, maximumScrollPosition());
    m_content->setPos(0, -m_position);
}

void UxPageViewport::fitContent()
{
    const qreal width = size().width();
    const qreal wanted =
        m_content->effectiveSizeHint(Qt::PreferredSize, QSizeF(width, -1)).height();
    m_contentHeight = std::max(size().height(), wanted);
    m_content->resize(width, m_contentHeight);
    setScrollPosition(m_position);
}

QVariant UxPageViewport::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemChildRemovedChange)
        UxChildLayout::unlink(this, value.value<QGraphicsItem *>());
    return QGraphicsWidget::itemChange(change, value);
}

bool UxPageViewport::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LayoutRequest:
        fitContent();
        break;
    case QEvent::ScrollPrepare: {
        auto *prepare = static_cast<QScrollPrepareEvent *>(event);
        prepare->setViewportSize(size());
        prepare->setContentPosRange(QRectF(0, 0, 0, maximumScrollPosition()));
        prepare->setContentPos(QPointF(0, m_position));
        prepare->accept();
        return true;
    }
    case QEvent::Scroll:
        // While the finger is down the page follows it instead.
        if (m_scroller->state() == QScroller::Scrolling)
            setScrollPosition(static_cast<QScrollEvent *>(event)->contentPos().y());
        return true;
    default:
        break;
    }
    return QGraphicsWidget::event(event);
}

void UxPageViewport::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    QGraphicsWidget::resizeEvent(event);
    fitContent();
}

bool UxPageViewport::sceneEventFilter(QGraphicsItem *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::GraphicsSceneMousePress:
        press(static_cast<QGraphicsSceneMouseEvent *>(event));
        return false;
    case QEvent::GraphicsSceneMouseMove: {
        auto *mouse = static_cast<QGraphicsSceneMouseEvent *>(event);
        if (!m_tracking || maximumScrollPosition() <= 0)
            return false;
        if (std::abs(mouse->scenePos().y() - m_pressY) < QApplication::startDragDistance())
            return false;
        // A drag: take the mouse so that the pressed item gets no tap.
        m_dragging = true;
        m_grabbed = true;
        grabMouse();
        dragTo(mouse->scenePos().y());
        return true;
    }
    case QEvent::GraphicsSceneMouseRelease:
        release(static_cast<QGraphicsSceneMouseEvent *>(event));
        return false;
    default:
        return false;
    }
}

void UxPageViewport::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    // A press that no content item took: the start of a possible drag.
    press(event);
    if (!m_tracking)
        event->ignore();
}

void UxPageViewport::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_tracking)
        return;
    if (!m_dragging &&
        std::abs(event->scenePos().y() - m_pressY) < QApplication::startDragDistance())
        return;
    m_dragging = true;
    dragTo(event->scenePos().y());
}

void UxPageViewport::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (m_grabbed)
        ungrabMouse();
    m_grabbed = false;
    release(event);
}

void UxPageViewport::wheelEvent(QGraphicsSceneWheelEvent *event)
{
    if (event->orientation() != Qt::Vertical || maximumScrollPosition() <= 0) {
        event->ignore();
        return;
    }
    setScrollPosition(m_position - event->delta() / 120.0 * s_wheelStep);
}

void UxPageViewport::press(QGraphicsSceneMouseEvent *event)
{
    m_tracking = event->button() == Qt::LeftButton;
    m_dragging = false;
    m_pressY = event->scenePos().y();
    // A touch stops a glide where it is.
    m_scroller->stop();
    m_pressPosition = m_position;
    if (m_tracking)
        m_scroller->handleInput(QScroller::InputPress, mapFromScene(event->scenePos()),
                                m_clock.elapsed());
}

void UxPageViewport::dragTo(qreal sceneY)
{
    setScrollPosition(m_pressPosition - (sceneY - m_pressY));
    m_scroller->handleInput(QScroller::InputMove, QPointF(0, mapFromScene(0, sceneY).y()),
                            m_clock.elapsed());
}

void UxPageViewport::release(QGraphicsSceneMouseEvent *event)
{
    // A tap glides nowhere.
    if (m_dragging)
        m_scroller->handleInput(QScroller::InputRelease, mapFromScene(event->scenePos()),
                                m_clock.elapsed());
    else
        m_scroller->stop();
    m_tracking = false;
    m_dragging = false;
}
