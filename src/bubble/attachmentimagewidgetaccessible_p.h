#ifndef ATTACHMENTIMAGEWIDGETACCESSIBLE_P_H
#define ATTACHMENTIMAGEWIDGETACCESSIBLE_P_H

#include <uxaccessiblepressable.h>

class AttachmentImageWidget;

// A thumbnail is named by the caption under its row, and pressing it opens
// it as a tap does.
class AttachmentImageWidgetAccessible : public UxAccessiblePressable
{
public:
    explicit AttachmentImageWidgetAccessible(AttachmentImageWidget *thumbnail);

    QString text(QAccessible::Text t) const override;

protected:
    void press() override;

private:
    AttachmentImageWidget *thumbnail() const;
    QString caption() const;
};

#endif // ATTACHMENTIMAGEWIDGETACCESSIBLE_P_H
