#ifndef UXGRIDLAYOUTPOLICY_H
#define UXGRIDLAYOUTPOLICY_H

#include "uxabstractlayoutpolicy.h"

#include <QVector>

// Items in cells of a grid. Columns are as wide as their widest item and
// share any width left over equally; rows are as tall as their tallest item.
// An item without an alignment fills its cell, one with an alignment keeps
// its preferred size and is placed inside the cell accordingly.
class UXKIT_EXPORT UxGridLayoutPolicy : public UxAbstractLayoutPolicy
{
public:
    explicit UxGridLayoutPolicy(UxLayout *layout);

    // Puts the item in a new row below the others, in the first column.
    void addItem(QGraphicsLayoutItem *item) override;
    void addItem(QGraphicsLayoutItem *item, int row, int column, int rowSpan = 1,
                 int columnSpan = 1, Qt::Alignment alignment = Qt::Alignment());

    int rowCount() const;
    int columnCount() const;
    // The cell of an item as (row, column, row span, column span); empty when
    // the policy does not hold the item.
    QRect cellOf(const QGraphicsLayoutItem *item) const;

protected:
    void itemRemoved(const QGraphicsLayoutItem *item) override;
    void relayout(const QRectF &rect) override;
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint) const override;

private:
    QVector<qreal> columnWidths(Qt::SizeHint which, qreal available) const;
    QVector<qreal> rowHeights(Qt::SizeHint which, const QVector<qreal> &columns) const;
    qreal spanLength(const QVector<qreal> &lengths, int first, int span) const;

    QHash<const QGraphicsLayoutItem *, QRect> m_cells;
};

#endif // UXGRIDLAYOUTPOLICY_H
