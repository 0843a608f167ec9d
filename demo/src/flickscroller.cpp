#include "flickscroller.h"

#include <uxapplicationpage.h>

#include <QGraphicsView>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace {

// How the glide slows down, in pixels per millisecond squared.
const qreal s_deceleration = 0.0025;
// Slower flicks (pixels per millisecond) just stop where the finger left.
const qreal s_minimumSpeed = 0.3;
const qreal s_maximumSpeed = 6;
// Only the end of a drag tells its speed.
const qint64 s_trackWindow = 100;

} // namespace

FlickScroller::FlickScroller(QGraphicsView *view) : QObject(view), m_view(view), m_viewport(view->viewport())
{
    m_clock.start();
    m_glide.setEasingCurve(QEasingCurve::OutQuad);
    connect(&m_glide, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        if (m_page)
            m_page->setScrollPosition(value.toReal());
    });
    m_viewport->installEventFilter(this);
}

bool FlickScroller::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_viewport || watched != m_viewport)
        return false;
    // The events go on to the scene: the page does the dragging itself.
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            press(mouse->pos());
        break;
    }
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->buttons() & Qt::LeftButton)
            move(mouse->pos());
        break;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            release();
        break;
    default:
        break;
    }
    return false;
}

UxApplicationPage *FlickScroller::pageAt(const QPoint &viewPos) const
{
    // Items come topmost first; the first page met is the one on top.
    for (QGraphicsItem *item : m_view->items(viewPos)) {
        QGraphicsObject *top = item->topLevelItem()->toGraphicsObject();
        if (auto *page = qobject_cast<UxApplicationPage *>(top))
            return page;
    }
    return nullptr;
}

void FlickScroller::press(const QPoint &viewPos)
{
    m_glide.stop();
    m_page = pageAt(viewPos);
    m_pressScrollPosition = m_page ? m_page->scrollPosition() : 0;
    m_track = {qMakePair(m_clock.elapsed(), qreal(viewPos.y()))};
}

void FlickScroller::move(const QPoint &viewPos)
{
    const qint64 now = m_clock.elapsed();
    m_track.append(qMakePair(now, qreal(viewPos.y())));
    while (m_track.size() > 2 && now - m_track.constFirst().first > s_trackWindow)
        m_track.removeFirst();
}

void FlickScroller::release()
{
    // A tap, or a drag the page did not follow (nothing to scroll).
    if (!m_page || m_track.size() < 2 || m_page->scrollPosition() == m_pressScrollPosition)
        return;
    const qint64 now = m_clock.elapsed();
    const auto &first = m_track.constFirst();
    const auto &last = m_track.constLast();
    // A finger that rested before lifting flicks nothing.
    if (now - last.first > s_trackWindow || last.first == first.first)
        return;
    const qreal speed = std::clamp((last.second - first.second) / qreal(last.first - first.first),
                                   -s_maximumSpeed, s_maximumSpeed);
    if (std::abs(speed) < s_minimumSpeed)
        return;

    // Constant deceleration: the distance is v²/2a, covered in v/a.
    const qreal start = m_page->scrollPosition();
    const qreal distance = speed * speed / (2 * s_deceleration);
    const qreal target = std::clamp(speed > 0 ? start - distance : start + distance, qreal(0),
                                    m_page->maximumScrollPosition());
    m_glide.setStartValue(start);
    m_glide.setEndValue(target);
    m_glide.setDuration(int(std::abs(speed) / s_deceleration));
    m_glide.start();
}
