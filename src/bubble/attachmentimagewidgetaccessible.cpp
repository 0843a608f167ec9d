#include "attachmentimagewidgetaccessible_p.h"

#include "attachmentimagewidget.h"
#include "multiimagewidget.h"
#include "multiimagewidget_p.h"

#include <uxlabel.h>

AttachmentImageWidgetAccessible::AttachmentImageWidgetAccessible(AttachmentImageWidget *thumbnail)
    : UxAccessiblePressable(thumbnail, QAccessible::Graphic)
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
    return t == QAccessible::Name ? caption() : UxAccessiblePressable::text(t);
}

void AttachmentImageWidgetAccessible::press()
{
    // Only where a finger could tap it.
    if (thumbnail()->isVisible() && thumbnail()->isEnabled())
        emit thumbnail()->clicked(thumbnail()->imagePath());
}
