#include "uxlayout.h"

#include "uxabstractlayoutpolicy.h"
#include "uxlayoutitem_p.h"
#include "uxlogging_p.h"

#include <QGraphicsWidget>
#include <QWidget>

using UxLayoutItem::asLayout;
using UxLayoutItem::asWidget;

namespace {

// Qt takes the layout from a widget that is being destroyed before deleting
// it; the widget then deletes its child items itself.
bool ownerIsBeingDestroyed(const QGraphicsLayoutItem *layout)
{
    const QGraphicsLayoutItem *top = layout;
    while (top->parentLayoutItem() && top->parentLayoutItem()->isLayout())
        top = top->parentLayoutItem();
    const QGraphicsWidget *owner = asWidget(top->parentLayoutItem());
    return owner && owner->layout() != top;
}

} // namespace

UxLayout::UxLayout(QGraphicsLayoutItem *parent) : QGraphicsLayout(parent)
{
    // Margins and spacing normally come from the policies.
    setContentsMargins(0, 0, 0, 0);
}

UxLayout::~UxLayout()
{
    if (UxAbstractLayoutPolicy *policy = m_policy) {
        m_policy = nullptr;
        policy->m_layout = nullptr;
        delete policy;
    }

    if (UxLayout *outer = asLayout(parentLayoutItem()))
        outer->forgetItem(this, false);

    // The layout owns its items: they go with it. With a dying owner they
    // are left to it untouched: hiding one that has the focus would hand the
    // focus on through half-destroyed parents.
    const bool ownerDying = ownerIsBeingDestroyed(this);
    while (!m_items.isEmpty()) {
        QGraphicsLayoutItem *item = m_items.takeLast();
        if (ownerDying) {
            // A nested layout finds the dying owner through this one.
            if (UxLayout *nested = asLayout(item))
                delete nested;
            else
                item->setParentLayoutItem(nullptr);
            continue;
        }
        item->setParentLayoutItem(nullptr);
        releaseItem(item);
    }
}

int UxLayout::count() const
{
    return m_items.size();
}

QGraphicsLayoutItem *UxLayout::itemAt(int index) const
{
    if (index < 0 || index >= m_items.size()) {
        qCWarning(lcUxLayout) << "UxLayout::itemAt: no item at index" << index;
        return nullptr;
    }
    return m_items.at(index);
}

int UxLayout::indexOf(const QGraphicsLayoutItem *item) const
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (m_items.at(i) == item)
            return i;
    }
    return -1;
}

void UxLayout::removeAt(int index)
{
    if (index < 0 || index >= m_items.size()) {
        qCWarning(lcUxLayout) << "UxLayout::removeAt: no item at index" << index;
        return;
    }
    QGraphicsLayoutItem *item = m_items.at(index);
    forgetItem(item, false);
    releaseItem(item);
}

void UxLayout::removeItem(QGraphicsLayoutItem *item)
{
    const int index = indexOf(item);
    if (index < 0) {
        qCWarning(lcUxLayout) << "UxLayout::removeItem: not an item of this layout";
        return;
    }
    removeAt(index);
}

UxAbstractLayoutPolicy *UxLayout::policy() const
{
    return m_policy;
}

void UxLayout::setGeometry(const QRectF &rect)
{
    QGraphicsLayout::setGeometry(rect);
    if (!m_policy)
        return;
    qreal left, top, right, bottom;
    getContentsMargins(&left, &top, &right, &bottom);
    m_policy->relayout(geometry().adjusted(left, top, -right, -bottom));
}

QSizeF UxLayout::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    if (which == Qt::MinimumDescent)
        return QSizeF(-1, -1);
    if (!m_policy)
        return which == Qt::MaximumSize ? QSizeF(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : QSizeF(0, 0);

    qreal left, top, right, bottom;
    getContentsMargins(&left, &top, &right, &bottom);
    const QSizeF margins(left + right, top + bottom);
    QSizeF inner = constraint;
    if (inner.width() >= 0)
        inner.setWidth(qMax<qreal>(0, inner.width() - margins.width()));
    if (inner.height() >= 0)
        inner.setHeight(qMax<qreal>(0, inner.height() - margins.height()));
    return m_policy->sizeHint(which, inner) + margins;
}

bool UxLayout::adoptItem(QGraphicsLayoutItem *item)
{
    if (m_items.contains(item))
        return true;
    if (!item) {
        qCWarning(lcUxLayout) << "UxLayout: refusing a null item";
        return false;
    }
    UxLayout *nested = asLayout(item);
    if (!nested && !asWidget(item)) {
        qCWarning(lcUxLayout) << "UxLayout: holds widgets and nested UxLayouts only";
        return false;
    }
    if (nested && (nested == this || nested->containsLayout(this))) {
        qCWarning(lcUxLayout) << "UxLayout: refusing to nest a layout inside itself";
        return false;
    }

    // An item lives in one layout at a time: move it without releasing it.
    if (UxLayout *previous = asLayout(item->parentLayoutItem()))
        previous->forgetItem(item, true);

    addChildLayoutItem(item);
    m_items.append(item);
    return true;
}

void UxLayout::forgetItem(QGraphicsLayoutItem *item, bool restoreVisibility)
{
    const int index = indexOf(item);
    if (index < 0)
        return;
    m_items.removeAt(index);
    if (m_policy)
        m_policy->dropItem(item);
    const bool hiddenHere = m_hiddenByLayout.remove(item);
    if (restoreVisibility) {
        if (UxLayout *nested = asLayout(item))
            nested->setSuppressed(false);
        else if (hiddenHere)
            asWidget(item)->show();
    }
    item->setParentLayoutItem(nullptr);
    invalidate();
}

void UxLayout::releaseItem(QGraphicsLayoutItem *item)
{
    if (UxLayout *nested = asLayout(item)) {
        while (!nested->m_items.isEmpty()) {
            QGraphicsLayoutItem *child = nested->m_items.constLast();
            nested->forgetItem(child, false);
            releaseItem(child);
        }
        delete nested;
        return;
    }
    QGraphicsWidget *widget = asWidget(item);
    if (!widget)
        return;
    // A widget that is being destroyed has already lost its parent item, and
    // must not be touched beyond this point.
    if (widget->parentItem())
        widget->hide();
    widget->deleteLater();
}

bool UxLayout::containsLayout(const UxLayout *layout) const
{
    for (QGraphicsLayoutItem *item : m_items) {
        if (UxLayout *nested = asLayout(item)) {
            if (nested == layout || nested->containsLayout(layout))
                return true;
        }
    }
    return false;
}

bool UxLayout::attachPolicy(UxAbstractLayoutPolicy *policy)
{
    if (m_policy) {
        qCWarning(lcUxLayout) << "UxLayout: the layout has a policy already";
        return false;
    }
    m_policy = policy;
    return true;
}

// The items stay, hidden, until the layout releases them.
void UxLayout::detachPolicy()
{
    m_policy = nullptr;
    for (QGraphicsLayoutItem *item : qAsConst(m_items))
        syncVisibility(item);
    invalidate();
}

void UxLayout::syncVisibility(QGraphicsLayoutItem *item)
{
    setItemShown(item, !m_suppressed && m_policy && m_policy->placesItem(item));
}

void UxLayout::setItemShown(QGraphicsLayoutItem *item, bool shown)
{
    if (UxLayout *nested = asLayout(item)) {
        nested->setSuppressed(!shown);
        return;
    }
    QGraphicsWidget *widget = asWidget(item);
    if (!widget)
        return;
    if (!shown) {
        // Only widgets hidden here are shown again later; one that its owner
        // hid stays hidden.
        if (widget->isVisibleTo(widget->parentItem()) && !m_hiddenByLayout.contains(item)) {
            m_hiddenByLayout.insert(item);
            widget->hide();
        }
    } else if (m_hiddenByLayout.remove(item)) {
        widget->show();
    }
}

void UxLayout::setSuppressed(bool suppressed)
{
    if (m_suppressed == suppressed)
        return;
    m_suppressed = suppressed;
    for (QGraphicsLayoutItem *item : qAsConst(m_items))
        syncVisibility(item);
}

bool UxLayout::isHiddenByOthers(const QGraphicsLayoutItem *item) const
{
    QGraphicsWidget *widget = asWidget(item);
    return widget && !m_hiddenByLayout.contains(item) &&
           !widget->isVisibleTo(widget->parentItem()) &&
           !widget->sizePolicy().retainSizeWhenHidden();
}
