#include "uxaccessiblewidget.h"

#include <QApplication>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGraphicsWidget>

UxAccessibleWidget::UxAccessibleWidget(QGraphicsWidget *widget, QAccessible::Role role)
    : QAccessibleObject(widget), m_role(role)
{
}

QGraphicsWidget *UxAccessibleWidget::widget() const
{
    return static_cast<QGraphicsWidget *>(object());
}

QGraphicsView *UxAccessibleWidget::viewOf(const QGraphicsWidget *widget)
{
    const QGraphicsScene *scene = widget->scene();
    return scene && !scene->views().isEmpty() ? scene->views().constFirst() : nullptr;
}

QList<QGraphicsObject *> UxAccessibleWidget::accessibleItems(const QList<QGraphicsItem *> &items)
{
    QList<QGraphicsObject *> found;
    for (QGraphicsItem *item : items) {
        QGraphicsObject *object = item->toGraphicsObject();
        if (object && QAccessible::queryAccessibleInterface(object))
            found.append(object);
        else
            found.append(accessibleItems(item->childItems()));
    }
    return found;
}

QList<QGraphicsObject *> UxAccessibleWidget::accessibleChildren() const
{
    return accessibleItems(widget()->childItems());
}

QAccessibleInterface *UxAccessibleWidget::parent() const
{
    for (QGraphicsItem *item = widget()->parentItem(); item; item = item->parentItem()) {
        if (QAccessibleInterface *iface =
                QAccessible::queryAccessibleInterface(item->toGraphicsObject()))
            return iface;
    }
    if (QGraphicsView *view = viewOf(widget()))
        return QAccessible::queryAccessibleInterface(view);
    return QAccessible::queryAccessibleInterface(qApp);
}

int UxAccessibleWidget::childCount() const
{
    return accessibleChildren().size();
}

QAccessibleInterface *UxAccessibleWidget::child(int index) const
{
    return QAccessible::queryAccessibleInterface(accessibleChildren().value(index));
}

int UxAccessibleWidget::indexOf(const QList<QGraphicsObject *> &items,
                                const QAccessibleInterface *child)
{
    for (int i = 0; child && i < items.size(); ++i) {
        if (items.at(i) == child->object())
            return i;
    }
    return -1;
}

int UxAccessibleWidget::indexOfChild(const QAccessibleInterface *child) const
{
    return indexOf(accessibleChildren(), child);
}

QRect UxAccessibleWidget::rect() const
{
    const QGraphicsView *view = viewOf(widget());
    if (!view)
        return QRect();
    const QRectF inScene = widget()->mapRectToScene(widget()->rect());
    const QRect inViewport = view->mapFromScene(inScene).boundingRect();
    return QRect(view->viewport()->mapToGlobal(inViewport.topLeft()), inViewport.size());
}

QWindow *UxAccessibleWidget::window() const
{
    const QGraphicsView *view = viewOf(widget());
    return view ? view->window()->windowHandle() : nullptr;
}

QAccessible::Role UxAccessibleWidget::role() const
{
    return m_role;
}

QAccessible::State UxAccessibleWidget::state() const
{
    const QGraphicsWidget *item = widget();
    QAccessible::State state;
    state.invisible = !item->isVisible();
    state.disabled = !item->isEnabled();
    state.focusable = item->focusPolicy() != Qt::NoFocus;
    state.focused = item->hasFocus();
    state.offscreen = !viewOf(item);
    return state;
}

QString UxAccessibleWidget::text(QAccessible::Text t) const
{
    return t == QAccessible::Description ? widget()->toolTip() : QString();
}
