#include "uxflowlayoutpolicy.h"

#include "uxlayoutitem_p.h"

#include <QGraphicsLayoutItem>

#include <QWidget>
#include <algorithm>

namespace {

bool isExpanding(const QGraphicsLayoutItem *item)
{
    return item->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag;
}

} // namespace

UxFlowLayoutPolicy::UxFlowLayoutPolicy(UxLayout *layout) : UxAbstractLayoutPolicy(layout) {}

void UxFlowLayoutPolicy::setRowLimit(int rowLimit)
{
    m_rowLimit = rowLimit < 0 ? -1 : rowLimit;
    invalidatePolicy();
}

int UxFlowLayoutPolicy::rowLimit() const
{
    return m_rowLimit;
}

void UxFlowLayoutPolicy::itemRemoved(const QGraphicsLayoutItem *item)
{
    m_overflow.remove(item);
}

bool UxFlowLayoutPolicy::placesItem(const QGraphicsLayoutItem *item) const
{
    return indexOf(item) >= 0 && !m_overflow.contains(item);
}

QList<UxFlowLayoutPolicy::Row> UxFlowLayoutPolicy::rows(Qt::SizeHint which, qreal width) const
{
    QList<Row> result;
    Row row;
    qreal used = 0;
    for (QGraphicsLayoutItem *item : arrangedItems()) {
        qreal itemWidth = UxLayoutItem::sizeHint(item, which).width();
        if (width >= 0) {
            itemWidth = std::max(UxLayoutItem::sizeHint(item, Qt::MinimumSize).width(),
                                 std::min(itemWidth, width));
        }
        const qreal needed = row.items.isEmpty() ? itemWidth : used + spacing() + itemWidth;
        if (width >= 0 && !row.items.isEmpty() && needed > width) {
            result.append(row);
            row = Row();
            used = itemWidth;
        } else {
            used = needed;
        }
        row.items.append(item);
        row.widths.append(itemWidth);
        row.height = std::max(row.height, UxLayoutItem::sizeHint(item, which, itemWidth).height());
    }
    if (!row.items.isEmpty())
        result.append(row);
    return result;
}

QVector<qreal> UxFlowLayoutPolicy::fitRow(Row &row, qreal width) const
{
    QVector<qreal> offsets(row.items.size(), 0);
    qreal used = spacing() * (row.items.size() - 1);
    int expanding = 0;
    for (int i = 0; i < row.items.size(); ++i) {
        used += row.widths.at(i);
        expanding += isExpanding(row.items.at(i)) ? 1 : 0;
    }
    const qreal leftOver = width - used;
    if (leftOver <= 0)
        return offsets;

    if (expanding > 0) {
        for (int i = 0; i < row.items.size(); ++i) {
            if (isExpanding(row.items.at(i)))
                row.widths[i] += leftOver / expanding;
        }
        return offsets;
    }
    for (int i = 0; i < row.items.size(); ++i) {
        if (alignment(row.items.at(i)) & Qt::AlignRight) {
            std::fill(offsets.begin() + i, offsets.end(), leftOver);
            break;
        }
    }
    return offsets;
}

void UxFlowLayoutPolicy::relayout(const QRectF &rect)
{
    const QRectF inner = contentsRect(rect);
    QList<Row> allRows = rows(Qt::PreferredSize, inner.width());

    QSet<const QGraphicsLayoutItem *> overflow;
    qreal y = inner.top();
    for (int r = 0; r < allRows.size(); ++r) {
        Row &row = allRows[r];
        if (m_rowLimit >= 0 && r >= m_rowLimit) {
            for (QGraphicsLayoutItem *item : qAsConst(row.items))
                overflow.insert(item);
            continue;
        }
        const QVector<qreal> offsets = fitRow(row, inner.width());
        qreal x = inner.left();
        for (int i = 0; i < row.items.size(); ++i) {
            QGraphicsLayoutItem *item = row.items.at(i);
            // The cell is already as wide as the item gets; only the vertical
            // alignment is left to apply.
            Qt::Alignment itemAlignment = alignment(item) & Qt::AlignVertical_Mask;
            if (!itemAlignment)
                itemAlignment = Qt::AlignVCenter;
            UxLayoutItem::placeInCell(
                item, QRectF(x + offsets.at(i), y, row.widths.at(i), row.height), itemAlignment);
            x += row.widths.at(i) + spacing();
        }
        y += row.height + spacing();
    }

    const QSet<const QGraphicsLayoutItem *> changed =
        (overflow - m_overflow) + (m_overflow - overflow);
    m_overflow = overflow;
    for (const QGraphicsLayoutItem *item : changed)
        refreshVisibility(const_cast<QGraphicsLayoutItem *>(item));
}

QSizeF UxFlowLayoutPolicy::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    if (which == Qt::MaximumSize)
        return QSizeF(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    const qreal width = innerWidth(constraint);
    QList<Row> allRows = rows(which, width);
    if (which == Qt::MinimumSize && width < 0) {
        // Narrowest: every item on a row of its own.
        qreal widest = 0;
        for (const Row &row : qAsConst(allRows)) {
            for (qreal itemWidth : row.widths)
                widest = std::max(widest, itemWidth);
        }
        const qreal height = allRows.isEmpty() ? 0 : allRows.constFirst().height;
        return addMargins(QSizeF(widest, height));
    }
    if (m_rowLimit >= 0)
        allRows = allRows.mid(0, m_rowLimit);

    qreal widest = 0;
    qreal height = spacing() * std::max(0, int(allRows.size()) - 1);
    for (const Row &row : qAsConst(allRows)) {
        qreal rowWidth = spacing() * (row.items.size() - 1);
        for (qreal itemWidth : row.widths)
            rowWidth += itemWidth;
        widest = std::max(widest, rowWidth);
        height += row.height;
    }
    return addMargins(QSizeF(width < 0 ? widest : width, height));
}
