#include "uxwidget.h"

#include "uxlayout.h"

#include <QEvent>

UxWidget::UxWidget(QGraphicsItem *parent) : QGraphicsWidget(parent) {}

UxWidget::~UxWidget()
{
    // Leave the layout now: once this destructor has run, the layout could
    // only reach a half-destroyed item.
    if (auto *layout = dynamic_cast<UxLayout *>(parentLayoutItem()))
        layout->forgetItem(this, false);
}

QString UxWidget::styleName() const
{
    return m_styleName;
}

void UxWidget::setStyleName(const QString &styleName)
{
    if (m_styleName == styleName)
        return;
    m_styleName = styleName;
    update();
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
    return QGraphicsWidget::itemChange(change, value);
}
