#ifndef MULTIIMAGEWIDGET_H
#define MULTIIMAGEWIDGET_H

#include "davovadezed_global.h"

#include <uxwidget.h>

#include <QString>

class MultiImageWidgetPrivate;

/**
 * A row of at most maxImages thumbnails, the most recently appended ones,
 * above an info text.
 *
 * The bubble shows the pictures of an attachment this way, four at most,
 * with the attachment's title under them.
 */
class DAVOVADEZED_EXPORT MultiImageWidget : public UxWidget
{
    Q_OBJECT
public:
    /**
     * An empty row with a hidden info text.
     *
     * @param maxImages the most thumbnails shown; 0 shows none.
     * @param parent the parent item, which deletes the widget with itself.
     */
    MultiImageWidget(unsigned int maxImages, QGraphicsItem *parent = nullptr);
    /** Deletes the thumbnails and the info text with it. */
    ~MultiImageWidget() override;

    /**
     * Adds a thumbnail of the image file at the right end of the row. When
     * the row is full, the leftmost, oldest thumbnail is deleted first. The
     * picture is decoded at the thumbnail's size, so a large photo costs no
     * more than a small one; a file that cannot be decoded gives an empty
     * thumbnail that still reports taps. A path where no file exists adds
     * nothing and logs a warning.
     */
    void appendImage(const QString &imagePath);
    /**
     * Sets the text under the thumbnails, shown as plain text. An empty text
     * hides it.
     */
    void setInfoText(const QString &text);

    /**
     * Places the row and the info text. A row too wide for the width given
     * shrinks its thumbnails alike, down to a quarter of their size, so that
     * the info text keeps the size of the text around it.
     */
    void setGeometry(const QRectF &rect) override;

signals:
    /** Emitted when a thumbnail is tapped, with the path it was added with. */
    void clicked(const QString &imagePath);

protected:
    /**
     * The size of the row and the info text. Its minimum width has the
     * thumbnails at their smallest; its preferred height at a given width
     * has them shrunk to that width.
     */
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;

private:
    Q_DISABLE_COPY(MultiImageWidget)
    MultiImageWidgetPrivate *m_d;
};

#endif // MULTIIMAGEWIDGET_H
