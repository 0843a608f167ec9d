#include "uxchildlayout_p.h"

#include <QGraphicsWidget>

namespace UxChildLayout {

void link(QGraphicsWidget *parent, QGraphicsWidget *child)
{
    child->setParentLayoutItem(parent);
}

void unlink(const QGraphicsWidget *parent, QGraphicsItem *child)
{
    if (!child || !child->isWidget())
        return;
    auto *widget = static_cast<QGraphicsWidget *>(child);
    if (widget->parentLayoutItem() == parent)
        widget->setParentLayoutItem(nullptr);
}

void unlinkAll(const QGraphicsWidget *parent)
{
    const QList<QGraphicsItem *> children = parent->childItems();
    for (QGraphicsItem *child : children)
        unlink(parent, child);
}

} // namespace UxChildLayout
