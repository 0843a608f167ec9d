#include "uxlayoutitem_p.h"

#include "uxlayout.h"
#include "uxwidget.h"

#include <QGraphicsLayoutItem>
#include <QGraphicsWidget>

#include <algorithm>

namespace UxLayoutItem {

UxLayout *asLayout(QGraphicsLayoutItem *item)
{
    return item && item->isLayout() ? dynamic_cast<UxLayout *>(item) : nullptr;
}

QGraphicsWidget *asWidget(const QGraphicsLayoutItem *item)
{
    if (!item || item->isLayout())
        return nullptr;
    QGraphicsItem *graphicsItem = item->graphicsItem();
    return graphicsItem && graphicsItem->isWidget() ? static_cast<QGraphicsWidget *>(graphicsItem)
                                                    : nullptr;
}

QSizeF sizeHint(const QGraphicsLayoutItem *item, Qt::SizeHint which, qreal width)
{
    return item->effectiveSizeHint(which, QSizeF(width, -1));
}

bool ownerHasWidth(const QGraphicsLayoutItem *layout)
{
    const QGraphicsLayoutItem *top = layout;
    while (top->parentLayoutItem() && top->parentLayoutItem()->isLayout())
        top = top->parentLayoutItem();
    const auto *owner = dynamic_cast<const UxWidget *>(asWidget(top->parentLayoutItem()));
    return !owner || owner->hasOwnSize();
}

qreal widthInCell(const QGraphicsLayoutItem *item, qreal cellWidth, Qt::Alignment alignment)
{
    const qreal wanted = (alignment & Qt::AlignHorizontal_Mask)
                             ? sizeHint(item, Qt::PreferredSize).width()
                             : sizeHint(item, Qt::MaximumSize).width();
    const qreal minimum = sizeHint(item, Qt::MinimumSize).width();
    return std::max(minimum, std::min(wanted, cellWidth));
}

void placeInCell(QGraphicsLayoutItem *item, const QRectF &cell, Qt::Alignment alignment)
{
    const qreal width = widthInCell(item, cell.width(), alignment);
    const qreal preferredHeight = sizeHint(item, Qt::PreferredSize, width).height();
    const qreal wantedHeight = (alignment & Qt::AlignVertical_Mask)
                                   ? preferredHeight
                                   : sizeHint(item, Qt::MaximumSize, width).height();
    const qreal height = std::max(sizeHint(item, Qt::MinimumSize, width).height(),
                                  std::min(wantedHeight, cell.height()));

    qreal x = cell.left();
    if (alignment & Qt::AlignRight)
        x = cell.right() - width;
    else if (alignment & Qt::AlignHCenter)
        x = cell.left() + (cell.width() - width) / 2;

    qreal y = cell.top();
    if (alignment & Qt::AlignBottom)
        y = cell.bottom() - height;
    else if (alignment & Qt::AlignVCenter)
        y = cell.top() + (cell.height() - height) / 2;

    item->setGeometry(QRectF(x, y, width, height));
}

} // namespace UxLayoutItem
