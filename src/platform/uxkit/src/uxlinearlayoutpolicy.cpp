#include "uxlinearlayoutpolicy.h"

#include "uxlayout.h"
#include "uxlayoutitem_p.h"

#include <QGraphicsLayoutItem>
#include <QGraphicsWidget>

#include <QWidget>
#include <algorithm>

using UxLayoutItem::placeInCell;
using UxLayoutItem::widthInCell;

UxLinearLayoutPolicy::UxLinearLayoutPolicy(UxLayout *layout, Qt::Orientation orientation)
    : UxAbstractLayoutPolicy(layout), m_orientation(orientation)
{
}

Qt::Orientation UxLinearLayoutPolicy::orientation() const
{
    return m_orientation;
}

void UxLinearLayoutPolicy::addItem(QGraphicsLayoutItem *item, Qt::Alignment alignment)
{
    insertItem(-1, item, alignment);
}

void UxLinearLayoutPolicy::insertItem(int index, QGraphicsLayoutItem *item)
{
    if (insertItemAt(index, item))
        giveColumnWidth(item);
}

void UxLinearLayoutPolicy::insertItem(int index, QGraphicsLayoutItem *item, Qt::Alignment alignment)
{
    if (insertItemAt(index, item)) {
        setAlignment(item, alignment);
        giveColumnWidth(item);
    }
}

// A widget joining a column that is already laid out gets its width at once,
// so content that wraps is measured at that width only, not at a default
// width first. It gets its height with the next layout pass.
void UxLinearLayoutPolicy::giveColumnWidth(QGraphicsLayoutItem *item) const
{
    QGraphicsWidget *widget = UxLayoutItem::asWidget(item);
    if (m_orientation != Qt::Vertical || !layout() || !widget || !widget->size().isEmpty())
        return;
    const qreal width = contentsRect(layout()->contentsRect()).width();
    if (width > 0)
        widget->resize(widthInCell(item, width, alignment(item)), widget->size().height());
}

void UxLinearLayoutPolicy::relayout(const QRectF &rect)
{
    if (m_orientation == Qt::Vertical)
        relayoutColumn(contentsRect(rect));
    else
        relayoutRow(contentsRect(rect));
}

void UxLinearLayoutPolicy::relayoutColumn(const QRectF &inner)
{
    // A list that nobody has given a width yet waits for one: at the width
    // Qt picks meanwhile, its items would be measured for nothing.
    if (!UxLayoutItem::ownerHasWidth(layout()))
        return;
    qreal y = inner.top();
    for (QGraphicsLayoutItem *item : arrangedItems()) {
        const Qt::Alignment itemAlignment = alignment(item);
        const qreal width = widthInCell(item, inner.width(), itemAlignment);
        const qreal height = UxLayoutItem::sizeHint(item, Qt::PreferredSize, width).height();
        placeInCell(item, QRectF(inner.left(), y, inner.width(), height), itemAlignment);
        y += height + spacing();
    }
}

QVector<qreal> UxLinearLayoutPolicy::rowWidths(const QList<QGraphicsLayoutItem *> &items,
                                               qreal available) const
{
    QVector<qreal> widths;
    QVector<qreal> minimums;
    qreal total = 0;
    int expanding = 0;
    for (QGraphicsLayoutItem *item : items) {
        widths.append(UxLayoutItem::sizeHint(item, Qt::PreferredSize).width());
        minimums.append(UxLayoutItem::sizeHint(item, Qt::MinimumSize).width());
        total += widths.constLast();
        if (item->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag)
            ++expanding;
    }
    available -= spacing() * std::max(0, int(items.size()) - 1);

    if (total > available) {
        // Give up the same share of each item's slack down to its minimum.
        qreal slack = 0;
        for (int i = 0; i < widths.size(); ++i)
            slack += widths.at(i) - minimums.at(i);
        const qreal factor = slack > 0 ? std::min<qreal>(1, (total - available) / slack) : 0;
        for (int i = 0; i < widths.size(); ++i)
            widths[i] -= (widths.at(i) - minimums.at(i)) * factor;
    } else if (expanding > 0) {
        const qreal extra = (available - total) / expanding;
        for (int i = 0; i < items.size(); ++i) {
            if (items.at(i)->sizePolicy().horizontalPolicy() & QSizePolicy::ExpandFlag)
                widths[i] += extra;
        }
    }
    return widths;
}

void UxLinearLayoutPolicy::relayoutRow(const QRectF &inner)
{
    const QList<QGraphicsLayoutItem *> items = arrangedItems();
    const QVector<qreal> widths = rowWidths(items, inner.width());
    qreal x = inner.left();
    for (int i = 0; i < items.size(); ++i) {
        placeInCell(items.at(i), QRectF(x, inner.top(), widths.at(i), inner.height()),
                    alignment(items.at(i)));
        x += widths.at(i) + spacing();
    }
}

QSizeF UxLinearLayoutPolicy::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    if (which == Qt::MaximumSize)
        return QSizeF(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);

    const QList<QGraphicsLayoutItem *> items = arrangedItems();
    const qreal gaps = spacing() * std::max(0, int(items.size()) - 1);
    const qreal width = innerWidth(constraint);
    QSizeF size;

    if (m_orientation == Qt::Vertical) {
        qreal widest = 0;
        qreal height = gaps;
        for (QGraphicsLayoutItem *item : items) {
            const qreal itemWidth = width < 0 ? -1 : widthInCell(item, width, alignment(item));
            const QSizeF hint = UxLayoutItem::sizeHint(item, which, itemWidth);
            widest = std::max(widest, hint.width());
            height += hint.height();
        }
        size = QSizeF(width < 0 ? widest : width, height);
    } else {
        const QVector<qreal> widths = width < 0 ? QVector<qreal>() : rowWidths(items, width);
        qreal total = gaps;
        qreal tallest = 0;
        for (int i = 0; i < items.size(); ++i) {
            const qreal itemWidth = widths.isEmpty() ? -1 : widths.at(i);
            const QSizeF hint = UxLayoutItem::sizeHint(items.at(i), which, itemWidth);
            total += hint.width();
            tallest = std::max(tallest, hint.height());
        }
        size = QSizeF(width < 0 ? total : std::max(width, total), tallest);
    }
    return addMargins(size);
}
