#include "uxaccessiblewindow_p.h"

#include "uxaccessiblewidget.h"
#include "uxapplicationwindow.h"

#include <QGraphicsObject>
#include <QGraphicsScene>

UxAccessibleWindow::UxAccessibleWindow(UxApplicationWindow *window)
    : QAccessibleWidget(window, QAccessible::Window)
{
}

QList<QGraphicsObject *> UxAccessibleWindow::accessibleChildren() const
{
    const QGraphicsScene *scene = static_cast<QGraphicsView *>(widget())->scene();
    if (!scene)
        return {};
    QList<QGraphicsItem *> topLevel;
    for (QGraphicsItem *item : scene->items(Qt::AscendingOrder)) {
        if (!item->parentItem())
            topLevel.append(item);
    }
    return UxAccessibleWidget::accessibleItems(topLevel);
}

int UxAccessibleWindow::childCount() const
{
    return accessibleChildren().size();
}

QAccessibleInterface *UxAccessibleWindow::child(int index) const
{
    return QAccessible::queryAccessibleInterface(accessibleChildren().value(index));
}

int UxAccessibleWindow::indexOfChild(const QAccessibleInterface *child) const
{
    return UxAccessibleWidget::indexOf(accessibleChildren(), child);
}

QAccessibleInterface *UxAccessibleWindow::childAt(int x, int y) const
{
    // Topmost first, as a tap would find them.
    const QList<QGraphicsObject *> children = accessibleChildren();
    for (int i = children.size() - 1; i >= 0; --i) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(children.at(i));
        if (iface && !iface->state().invisible && iface->rect().contains(x, y))
            return iface;
    }
    return nullptr;
}
