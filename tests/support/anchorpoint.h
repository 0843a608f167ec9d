#ifndef ANCHORPOINT_H
#define ANCHORPOINT_H

#include <QPointF>
#include <QRectF>
#include <QString>

// The first point of the item, scanning its bounds on a grid, that lies on a
// link to href (any link when href is empty); a null point when none does.
// The item is anything with anchorAt(QPointF): a label or a bubble.
template <typename Item> QPointF anchorPoint(const Item &item, const QString &href = QString())
{
    const QRectF area = item.boundingRect();
    for (qreal y = area.top() + 1; y < area.bottom(); y += 2) {
        for (qreal x = area.left() + 1; x < area.right(); x += 2) {
            const QString anchor = item.anchorAt(QPointF(x, y));
            if (!anchor.isEmpty() && (href.isEmpty() || anchor == href))
                return QPointF(x, y);
        }
    }
    return QPointF();
}

#endif // ANCHORPOINT_H
