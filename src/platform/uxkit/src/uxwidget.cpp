#include "uxwidget.h"

#include "uxlayout.h"

#include <QEvent>
#include <QScopedValueRollback>

UxWidget::UxWidget(QGraphicsItem *parent) : QGraphicsWidget(parent) {}

UxWidget::~UxWidget()
{
    // Leave the layout now: once this destructor has run, the layout could
    // only reach a half-destroyed item.
    if (auto *layout = dynamic_cast<UxLayout *>(parentLayoutItem()))
        layout->forgetItem(this, false);
}

void UxWidget::updateGeometry()
{
    // Outside a layout Qt resizes a widget at once to keep it within its
    // bounds, which measures all its content: wasted while it is hidden or
    // being hidden, as one just taken out of a list to be deleted. Showing
    // it updates the geometry again.
    if (!parentLayoutItem() && (m_hiding || !isVisible())) {
        QGraphicsLayoutItem::updateGeometry();
        return;
    }
    // The size Qt keeps it within is not one anybody gave it.
    const QScopedValueRollback<bool> sizing(
        m_sizingItself, m_sizingItself || (!parentLayoutItem() && !testAttribute(Qt::WA_Resized)));
    QGraphicsWidget::updateGeometry();
}

bool UxWidget::hasOwnSize() const
{
    return testAttribute(Qt::WA_Resized) && !m_sizingItself;
}

void UxWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QGraphicsWidget::changeEvent(event);
}

QVariant UxWidget::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemVisibleHasChanged) {
        // Layouts leave out widgets hidden on purpose, so they need to hear
        // about it; a parent being hidden changes nothing for them.
        const bool shown = isVisibleTo(parentItem());
        if (shown != m_shown) {
            m_shown = shown;
            updateGeometry();
        }
    }
    if (change == ItemVisibleChange && value.toBool() && !testAttribute(Qt::WA_Resized)) {
        // Qt gives a widget shown without a size its preferred size.
        const QScopedValueRollback<bool> sizing(m_sizingItself, true);
        return QGraphicsWidget::itemChange(change, value);
    }
    if (change == ItemVisibleChange && !value.toBool()) {
        // Qt updates the geometry of a widget it is about to hide.
        const QScopedValueRollback<bool> hiding(m_hiding, true);
        return QGraphicsWidget::itemChange(change, value);
    }
    return QGraphicsWidget::itemChange(change, value);
}
