#ifndef UXLINEARLAYOUTPOLICY_H
#define UXLINEARLAYOUTPOLICY_H

#include "uxabstractlayoutpolicy.h"

// Items in one row or one column. In a column every item gets the full width
// and the height it asks for at that width; items are stacked from the top.
// In a row, items get their preferred widths, shrunk towards their minimum
// when the row is too narrow, and expanding items share what is left over.
class UXKIT_EXPORT UxLinearLayoutPolicy : public UxAbstractLayoutPolicy
{
public:
    UxLinearLayoutPolicy(UxLayout *layout, Qt::Orientation orientation);

    Qt::Orientation orientation() const;

    using UxAbstractLayoutPolicy::addItem;
    void addItem(QGraphicsLayoutItem *item, Qt::Alignment alignment);
    void insertItem(int index, QGraphicsLayoutItem *item);
    void insertItem(int index, QGraphicsLayoutItem *item, Qt::Alignment alignment);

protected:
    void relayout(const QRectF &rect) override;
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint) const override;

private:
    QVector<qreal> rowWidths(const QList<QGraphicsLayoutItem *> &items, qreal available) const;
    void relayoutColumn(const QRectF &inner);
    void giveColumnWidth(QGraphicsLayoutItem *item) const;
    void relayoutRow(const QRectF &inner);

    Qt::Orientation m_orientation;
};

#endif // UXLINEARLAYOUTPOLICY_H
