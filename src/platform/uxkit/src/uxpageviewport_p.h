#ifndef UXPAGEVIEWPORT_P_H
#define UXPAGEVIEWPORT_P_H

#include <QElapsedTimer>
#include <QGraphicsWidget>

class QScroller;
class UxWidget;

// The part of a page below its title bar. It shows the page's content at the
// full width and at least the full height, and scrolls it vertically when it
// is taller: by the wheel, or by dragging anywhere on the content (a drag
// takes the mouse from the item that got the press, so that no tap follows).
// A quick drag glides on after the release, slowing down, until a touch.
class UxPageViewport : public QGraphicsWidget
{
    Q_OBJECT

public:
    explicit UxPageViewport(QGraphicsItem *parent = nullptr);
    ~UxPageViewport() override;

    UxWidget *content() const;

    qreal scrollPosition() const;
    qreal maximumScrollPosition() const;
    void setScrollPosition(qreal position);

protected:
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    bool event(QEvent *event) override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    bool sceneEventFilter(QGraphicsItem *watched, QEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void wheelEvent(QGraphicsSceneWheelEvent *event) override;

private:
    void fitContent();
    void press(QGraphicsSceneMouseEvent *event);
    void dragTo(qreal sceneY);
    void release(QGraphicsSceneMouseEvent *event);

    UxWidget *m_content;
    QScroller *m_scroller;
    QElapsedTimer m_clock;
    qreal m_position = 0;
    qreal m_contentHeight = 0;
    qreal m_pressY = 0;
    qreal m_pressPosition = 0;
    bool m_tracking = false;
    bool m_dragging = false;
    bool m_grabbed = false;
};

#endif // UXPAGEVIEWPORT_P_H
