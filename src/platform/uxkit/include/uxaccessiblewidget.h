#ifndef UXACCESSIBLEWIDGET_H
#define UXACCESSIBLEWIDGET_H

#include "uxkit_global.h"

#include <QAccessibleObject>
#include <QList>

class QGraphicsItem;
class QGraphicsObject;
class QGraphicsView;
class QGraphicsWidget;

// What assistive technology sees of a graphics-scene widget: its role, its
// place in the item tree and its rectangle on the screen. Items that have no
// interface of their own (layout-only containers) are looked through, so
// their accessible children become this one's.
class UXKIT_EXPORT UxAccessibleWidget : public QAccessibleObject
{
public:
    UxAccessibleWidget(QGraphicsWidget *widget, QAccessible::Role role);

    QGraphicsWidget *widget() const;

    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    QRect rect() const override;
    QWindow *window() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    // The view that shows the widget's scene, if any.
    static QGraphicsView *viewOf(const QGraphicsWidget *widget);
    // The accessible items among the given ones and, looking through those
    // without an interface, below them; in the given order.
    static QList<QGraphicsObject *> accessibleItems(const QList<QGraphicsItem *> &items);
    // Where the child's item is among the items, or -1.
    static int indexOf(const QList<QGraphicsObject *> &items, const QAccessibleInterface *child);

protected:
    // The items offered as children, in reading order.
    virtual QList<QGraphicsObject *> accessibleChildren() const;

private:
    const QAccessible::Role m_role;
};

#endif // UXACCESSIBLEWIDGET_H
