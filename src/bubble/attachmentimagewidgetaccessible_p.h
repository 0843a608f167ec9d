#ifndef ATTACHMENTIMAGEWIDGETACCESSIBLE_P_H
#define ATTACHMENTIMAGEWIDGETACCESSIBLE_P_H

#include <uxaccessiblewidget.h>

class AttachmentImageWidget;

// A thumbnail is named by the caption under its row, and pressing it opens
// it as a tap does.
class AttachmentImageWidgetAccessible : public UxAccessibleWidget, public QAccessibleActionInterface
{
public:
    explicit AttachmentImageWidgetAccessible(AttachmentImageWidget *thumbnail);

    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    AttachmentImageWidget *thumbnail() const;
    QString caption() const;
};

#endif // ATTACHMENTIMAGEWIDGETACCESSIBLE_P_H
