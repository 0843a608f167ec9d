#ifndef UXLAYOUTITEM_P_H
#define UXLAYOUTITEM_P_H

#include <QRectF>
#include <QSizeF>

class QGraphicsLayoutItem;
class QGraphicsWidget;
class UxLayout;

// What the policies need to know about one item: its kind, its size at a
// given width, and where it sits inside the cell it was given.
namespace UxLayoutItem {

UxLayout *asLayout(QGraphicsLayoutItem *item);
QGraphicsWidget *asWidget(const QGraphicsLayoutItem *item);

// The item's size hint; a width >= 0 asks for the height at that width.
QSizeF sizeHint(const QGraphicsLayoutItem *item, Qt::SizeHint which, qreal width = -1);

// Whether the widget that the layout lays out has a width to lay content out
// for (see UxWidget::hasOwnSize); widgets of other kinds always have.
bool ownerHasWidth(const QGraphicsLayoutItem *layout);

// Width the item takes in a cell of the given width.
qreal widthInCell(const QGraphicsLayoutItem *item, qreal cellWidth, Qt::Alignment alignment);

// Sets the item's geometry inside the cell. Without an alignment the item
// fills the cell as far as its maximum size allows; with one it keeps its
// preferred size and is placed accordingly.
void placeInCell(QGraphicsLayoutItem *item, const QRectF &cell, Qt::Alignment alignment);

} // namespace UxLayoutItem

#endif // UXLAYOUTITEM_P_H
