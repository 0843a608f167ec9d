#include "uxpageviewport_p.h"

#include "uxchildlayout_p.h"
#include "uxwidget.h"

#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>

#include <algorithm>

namespace {

// Pixels per wheel notch (120 eighths of a degree).
const qreal s_wheelStep = 60;

} // namespace

UxPageViewport::UxPageViewport(QGraphicsItem *parent)
    : QGraphicsWidget(parent), m_content(new UxWidget(this))
{
    setFlag(ItemClipsChildrenToShape);
    setFiltersChildEvents(true);
    // The content's size hint changes reach fitContent() as layout requests.
    UxChildLayout::link(this, m_content);
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
    if (event->type() == QEvent::LayoutRequest)
        fitContent();
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
    case QEvent::GraphicsSceneMousePress: {
        auto *mouse = static_cast<QGraphicsSceneMouseEvent *>(event);
        m_tracking = mouse->button() == Qt::LeftButton;
        m_dragging = false;
        m_pressY = mouse->scenePos().y();
        m_pressPosition = m_position;
        return false;
    }
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
        m_tracking = false;
        return false;
    default:
        return false;
    }
}

void UxPageViewport::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    // A press that no content item took: the start of a possible drag.
    m_tracking = event->button() == Qt::LeftButton;
    m_dragging = false;
    m_pressY = event->scenePos().y();
    m_pressPosition = m_position;
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

void UxPageViewport::mouseReleaseEvent(QGraphicsSceneMouseEvent *)
{
    if (m_grabbed)
        ungrabMouse();
    m_grabbed = false;
    m_tracking = false;
    m_dragging = false;
}

void UxPageViewport::wheelEvent(QGraphicsSceneWheelEvent *event)
{
    if (event->orientation() != Qt::Vertical || maximumScrollPosition() <= 0) {
        event->ignore();
        return;
    }
    setScrollPosition(m_position - event->delta() / 120.0 * s_wheelStep);
}

void UxPageViewport::dragTo(qreal sceneY)
{
    setScrollPosition(m_pressPosition - (sceneY - m_pressY));
}
