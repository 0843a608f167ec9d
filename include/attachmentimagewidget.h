#ifndef ATTACHMENTIMAGEWIDGET_H
#define ATTACHMENTIMAGEWIDGET_H

#include "davovadezed_global.h"

#include <uximagewidget.h>

#include <QString>

class UxWidget;

// One thumbnail of an attachment; a tap reports the image path it was made
// for.
class DAVOVADEZED_EXPORT AttachmentImageWidget : public UxImageWidget
{
    Q_OBJECT
public:
    AttachmentImageWidget(const QString &imagePath, UxWidget *parent = nullptr);

    QString imagePath() const;

signals:
    void clicked(const QString &imagePath);

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QString m_imagePath;
};

#endif // ATTACHMENTIMAGEWIDGET_H
