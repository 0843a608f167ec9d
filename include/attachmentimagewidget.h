#ifndef ATTACHMENTIMAGEWIDGET_H
#define ATTACHMENTIMAGEWIDGET_H

#include "davovadezed_global.h"

#include <uximagewidget.h>

#include <QString>

class UxWidget;

/**
 * One thumbnail of an attachment; a tap reports the image path it was made
 * for.
 */
class DAVOVADEZED_EXPORT AttachmentImageWidget : public UxImageWidget
{
    Q_OBJECT
public:
    /**
     * A thumbnail that loads no image: the caller sets the pixmap.
     *
     * @param imagePath the file the thumbnail stands for, reported by
     *        clicked().
     * @param parent the parent item, which deletes the thumbnail with itself.
     */
    AttachmentImageWidget(const QString &imagePath, UxWidget *parent = nullptr);

    /** The image path given at construction. */
    QString imagePath() const;

signals:
    /**
     * Emitted when a press on the thumbnail is released, wherever the release
     * happens, with the thumbnail's image path.
     */
    void clicked(const QString &imagePath);

protected:
    /** 96 by 54, whatever is asked. */
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    /** Keeps the press, so that the release comes to this thumbnail. */
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    /** Emits clicked(). */
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QString m_imagePath;
};

#endif // ATTACHMENTIMAGEWIDGET_H
