#include "attachmentimagewidgetaccessible_p.h"

#include "attachmentimagewidget.h"
#include "multiimagewidget.h"
#include "multiimagewidget_p.h"

#include <uxlabel.h>

AttachmentImageWidgetAccessible::AttachmentImageWidgetAccessible(AttachmentImageWidget *thumbnail)
    : UxAccessibleWidget(thumbnail, QAccessible::Graphic)
{
}

AttachmentImageWidget *AttachmentImageWidgetAccessible::thumbnail() const
{
    return static_cast<AttachmentImageWidget *>(object());
}

QString AttachmentImageWidgetAccessible::caption() const
{
    for (QGraphicsItem *item = thumbnail()->parentItem(); item; item = item->parentItem()) {
        const auto *row = qobject_cast<MultiImageWidget *>(item->toGraphicsObject());
        if (!row)
            continue;
        const auto *d =
            row->findChild<MultiImageWidgetPrivate *>(QString(), Qt::FindDirectChildrenOnly);
        return d ? d->m_infoLabel->plainText() : QString();
    }
    return QString();
}

QString AttachmentImageWidgetAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? caption() : UxAccessibleWidget::text(t);
}

void *AttachmentImageWidgetAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return UxAccessibleWidget::interface_cast(type);
}

QStringList AttachmentImageWidgetAccessible::actionNames() const
{
    return {pressAction()};
}

void AttachmentImageWidgetAccessible::doAction(const QString &actionName)
{
    // Only where a finger could tap it.
    if (actionName == pressAction() && thumbnail()->isVisible() && thumbnail()->isEnabled())
        emit thumbnail()->clicked(thumbnail()->imagePath());
}

QStringList AttachmentImageWidgetAccessible::keyBindingsForAction(const QString &) const
{
    return {};
}
