#ifndef UXTESTVIEW_H
#define UXTESTVIEW_H

#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMouseEvent>

// A shown view on a scene of its own, with real mouse events for the items
// on it.
class UxTestView : public QGraphicsView
{
public:
    UxTestView()
    {
        setScene(new QGraphicsScene(this));
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFrameStyle(QFrame::NoFrame);
        scene()->setSceneRect(0, 0, 480, 854);
        resize(480, 854);
    }

    void press(const QGraphicsItem *item, const QPointF &pos)
    {
        send(QEvent::MouseButtonPress, item->mapToScene(pos), Qt::LeftButton);
    }
    void move(const QGraphicsItem *item, const QPointF &pos)
    {
        send(QEvent::MouseMove, item->mapToScene(pos), Qt::LeftButton);
    }
    void release(const QGraphicsItem *item, const QPointF &pos)
    {
        send(QEvent::MouseButtonRelease, item->mapToScene(pos), Qt::NoButton);
    }
    void tap(const QGraphicsItem *item, const QPointF &pos)
    {
        press(item, pos);
        release(item, pos);
    }

private:
    void send(QEvent::Type type, const QPointF &scenePos, Qt::MouseButtons buttons)
    {
        const QPoint pos = mapFromScene(scenePos);
        QMouseEvent event(type, pos, viewport()->mapToGlobal(pos), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport(), &event);
    }
};

#endif // UXTESTVIEW_H
