#include "uxgridlayoutpolicy.h"

#include "uxlayoutitem_p.h"
#include "uxlogging_p.h"

#include <QGraphicsLayoutItem>

#include <QWidget>
#include <algorithm>
#include <numeric>

UxGridLayoutPolicy::UxGridLayoutPolicy(UxLayout *layout) : UxAbstractLayoutPolicy(layout) {}

void UxGridLayoutPolicy::addItem(QGraphicsLayoutItem *item)
{
    addItem(item, rowCount(), 0);
}

void UxGridLayoutPolicy::addItem(QGraphicsLayoutItem *item, int row, int column, int rowSpan,
                                 int columnSpan, Qt::Alignment alignment)
{
    if (row < 0 || column < 0 || rowSpan < 1 || columnSpan < 1) {
        qCWarning(lcUxLayout) << "UxGridLayoutPolicy::addItem: invalid cell" << row << column
                              << rowSpan << columnSpan;
        return;
    }
    m_cells.insert(item, QRect(column, row, columnSpan, rowSpan));
    if (!insertItemAt(-1, item)) {
        m_cells.remove(item);
        return;
    }
    setAlignment(item, alignment);
}

int UxGridLayoutPolicy::rowCount() const
{
    int rows = 0;
    for (const QRect &cell : m_cells)
        rows = std::max(rows, cell.bottom() + 1);
    return rows;
}

int UxGridLayoutPolicy::columnCount() const
{
    int columns = 0;
    for (const QRect &cell : m_cells)
        columns = std::max(columns, cell.right() + 1);
    return columns;
}

QRect UxGridLayoutPolicy::cellOf(const QGraphicsLayoutItem *item) const
{
    const QRect cell = m_cells.value(item);
    return cell.isValid() ? QRect(cell.y(), cell.x(), cell.height(), cell.width()) : QRect();
}

void UxGridLayoutPolicy::itemRemoved(const QGraphicsLayoutItem *item)
{
    m_cells.remove(item);
}

qreal UxGridLayoutPolicy::spanLength(const QVector<qreal> &lengths, int first, int span) const
{
    if (span <= 0)
        return 0;
    const auto begin = lengths.cbegin() + first;
    return std::accumulate(begin, begin + span, qreal(0)) + spacing() * (span - 1);
}

QVector<qreal> UxGridLayoutPolicy::columnWidths(Qt::SizeHint which, qreal available) const
{
    const QList<QGraphicsLayoutItem *> items = arrangedItems();
    QVector<qreal> widths(columnCount(), 0);

    // Single cells first, then make spanning items fit by widening the last
    // column they cover.
    for (int pass = 0; pass < 2; ++pass) {
        for (QGraphicsLayoutItem *item : items) {
            const QRect cell = m_cells.value(item);
            if ((cell.width() == 1) != (pass == 0))
                continue;
            const qreal wanted = UxLayoutItem::sizeHint(item, which).width();
            const qreal have = spanLength(widths, cell.x(), cell.width());
            if (wanted > have)
                widths[cell.right()] += wanted - have;
        }
    }

    if (available >= 0 && !widths.isEmpty()) {
        const qreal used = spanLength(widths, 0, widths.size());
        const qreal share = (available - used) / widths.size();
        if (share > 0) {
            for (qreal &width : widths)
                width += share;
        } else if (used > 0) {
            const qreal factor = std::max<qreal>(0, available - spacing() * (widths.size() - 1)) /
                                 (used - spacing() * (widths.size() - 1));
            for (qreal &width : widths)
                width *= std::min<qreal>(1, factor);
        }
    }
    return widths;
}

QVector<qreal> UxGridLayoutPolicy::rowHeights(Qt::SizeHint which,
                                              const QVector<qreal> &columns) const
{
    const QList<QGraphicsLayoutItem *> items = arrangedItems();
    QVector<qreal> heights(rowCount(), 0);
    for (int pass = 0; pass < 2; ++pass) {
        for (QGraphicsLayoutItem *item : items) {
            const QRect cell = m_cells.value(item);
            if ((cell.height() == 1) != (pass == 0))
                continue;
            const qreal cellWidth = spanLength(columns, cell.x(), cell.width());
            const qreal width = UxLayoutItem::widthInCell(
                item, cellWidth, alignment(item) & Qt::AlignHorizontal_Mask);
            const qreal wanted = UxLayoutItem::sizeHint(item, which, width).height();
            const qreal have = spanLength(heights, cell.y(), cell.height());
            if (wanted > have)
                heights[cell.bottom()] += wanted - have;
        }
    }
    return heights;
}

void UxGridLayoutPolicy::relayout(const QRectF &rect)
{
    const QRectF inner = contentsRect(rect);
    const QVector<qreal> widths = columnWidths(Qt::PreferredSize, inner.width());
    const QVector<qreal> heights = rowHeights(Qt::PreferredSize, widths);

    for (QGraphicsLayoutItem *item : arrangedItems()) {
        const QRect cell = m_cells.value(item);
        const QRectF cellRect(
            inner.left() + spanLength(widths, 0, cell.x()) + (cell.x() ? spacing() : 0),
            inner.top() + spanLength(heights, 0, cell.y()) + (cell.y() ? spacing() : 0),
            spanLength(widths, cell.x(), cell.width()),
            spanLength(heights, cell.y(), cell.height()));
        UxLayoutItem::placeInCell(item, cellRect, alignment(item));
    }
}

QSizeF UxGridLayoutPolicy::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    if (which == Qt::MaximumSize)
        return QSizeF(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const QVector<qreal> widths = columnWidths(which, innerWidth(constraint));
    const QVector<qreal> heights = rowHeights(which, widths);
    const QSizeF size(widths.isEmpty() ? 0 : spanLength(widths, 0, widths.size()),
                      heights.isEmpty() ? 0 : spanLength(heights, 0, heights.size()));
    return addMargins(size);
}
