#include "uxabstractlayoutpolicy.h"

#include "uxlayout.h"
#include "uxlogging_p.h"

#include <algorithm>

UxAbstractLayoutPolicy::UxAbstractLayoutPolicy(UxLayout *layout) : m_layout(layout)
{
    if (!m_layout)
        qCWarning(lcUxLayout) << "UxAbstractLayoutPolicy: created without a layout";
    else if (!m_layout->attachPolicy(this))
        m_layout = nullptr;
}

UxAbstractLayoutPolicy::~UxAbstractLayoutPolicy()
{
    if (m_layout)
        m_layout->detachPolicy();
}

UxLayout *UxAbstractLayoutPolicy::layout() const
{
    return m_layout;
}

int UxAbstractLayoutPolicy::count() const
{
    return m_items.size();
}

QGraphicsLayoutItem *UxAbstractLayoutPolicy::itemAt(int index) const
{
    if (index < 0 || index >= m_items.size()) {
        qCWarning(lcUxLayout) << "UxAbstractLayoutPolicy::itemAt: no item at index" << index;
        return nullptr;
    }
    return m_items.at(index);
}

int UxAbstractLayoutPolicy::indexOf(const QGraphicsLayoutItem *item) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i) == item)
            return i;
    }
    return -1;
}

void UxAbstractLayoutPolicy::addItem(QGraphicsLayoutItem *item)
{
    insertItemAt(-1, item);
}

void UxAbstractLayoutPolicy::removeItem(const QGraphicsLayoutItem *item)
{
    const int index = indexOf(item);
    if (index < 0) {
        qCWarning(lcUxLayout) << "UxAbstractLayoutPolicy::removeItem: not an item of this policy";
        return;
    }
    removeAt(index);
}

void UxAbstractLayoutPolicy::removeAt(int index)
{
    if (index < 0 || index >= m_items.size()) {
        qCWarning(lcUxLayout) << "UxAbstractLayoutPolicy::removeAt: no item at index" << index;
        return;
    }
    QGraphicsLayoutItem *item = m_items.at(index);
    dropItem(item);
    if (m_layout)
        m_layout->syncVisibility(item);
    invalidatePolicy();
}

Qt::Alignment UxAbstractLayoutPolicy::alignment(const QGraphicsLayoutItem *item) const
{
    return m_alignments.value(item);
}

void UxAbstractLayoutPolicy::setAlignment(const QGraphicsLayoutItem *item, Qt::Alignment alignment)
{
    if (indexOf(item) < 0) {
        qCWarning(lcUxLayout) << "UxAbstractLayoutPolicy::setAlignment: not an item of this policy";
        return;
    }
    m_alignments.insert(item, alignment);
    invalidatePolicy();
}

void UxAbstractLayoutPolicy::setContentsMargins(qreal left, qreal top, qreal right, qreal bottom)
{
    m_margins = QMarginsF(left, top, right, bottom);
    invalidatePolicy();
}

void UxAbstractLayoutPolicy::getContentsMargins(qreal *left, qreal *top, qreal *right,
                                                qreal *bottom) const
{
    if (left)
        *left = m_margins.left();
    if (top)
        *top = m_margins.top();
    if (right)
        *right = m_margins.right();
    if (bottom)
        *bottom = m_margins.bottom();
}

void UxAbstractLayoutPolicy::setSpacing(qreal spacing)
{
    m_spacing = std::max<qreal>(0, spacing);
    invalidatePolicy();
}

qreal UxAbstractLayoutPolicy::spacing() const
{
    return m_spacing;
}

bool UxAbstractLayoutPolicy::insertItemAt(int index, QGraphicsLayoutItem *item)
{
    if (!m_layout || !m_layout->adoptItem(item))
        return false;
    const int current = indexOf(item);
    if (current >= 0)
        m_items.removeAt(current);
    if (index < 0 || index > m_items.size())
        index = m_items.size();
    m_items.insert(index, item);
    m_layout->syncVisibility(item);
    invalidatePolicy();
    return true;
}

void UxAbstractLayoutPolicy::itemRemoved(const QGraphicsLayoutItem *) {}

bool UxAbstractLayoutPolicy::placesItem(const QGraphicsLayoutItem *item) const
{
    return indexOf(item) >= 0;
}

QList<QGraphicsLayoutItem *> UxAbstractLayoutPolicy::arrangedItems() const
{
    QList<QGraphicsLayoutItem *> items;
    for (QGraphicsLayoutItem *item : m_items) {
        if (!m_layout->isHiddenByOthers(item))
            items.append(item);
    }
    return items;
}

QMarginsF UxAbstractLayoutPolicy::contentsMargins() const
{
    return m_margins;
}

QRectF UxAbstractLayoutPolicy::contentsRect(const QRectF &rect) const
{
    QRectF inner = rect.marginsRemoved(m_margins);
    inner.setWidth(std::max<qreal>(0, inner.width()));
    inner.setHeight(std::max<qreal>(0, inner.height()));
    return inner;
}

QSizeF UxAbstractLayoutPolicy::addMargins(const QSizeF &size) const
{
    return size +
           QSizeF(m_margins.left() + m_margins.right(), m_margins.top() + m_margins.bottom());
}

qreal UxAbstractLayoutPolicy::innerWidth(const QSizeF &constraint) const
{
    if (constraint.width() < 0)
        return -1;
    return std::max<qreal>(0, constraint.width() - m_margins.left() - m_margins.right());
}

void UxAbstractLayoutPolicy::invalidatePolicy()
{
    if (m_layout)
        m_layout->invalidate();
}

void UxAbstractLayoutPolicy::refreshVisibility(QGraphicsLayoutItem *item)
{
    if (m_layout)
        m_layout->syncVisibility(item);
}

void UxAbstractLayoutPolicy::dropItem(const QGraphicsLayoutItem *item)
{
    const int index = indexOf(item);
    if (index < 0)
        return;
    m_items.removeAt(index);
    m_alignments.remove(item);
    itemRemoved(item);
}
