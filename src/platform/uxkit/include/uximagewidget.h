#ifndef UXIMAGEWIDGET_H
#define UXIMAGEWIDGET_H

#include "uxwidget.h"

#include <QPixmap>

// Shows an image scaled to the widget's size, keeping its aspect ratio.
// The image comes from the theme by id (see UxTheme) or is given directly.
class UXKIT_EXPORT UxImageWidget : public UxWidget
{
    Q_OBJECT

public:
    explicit UxImageWidget(QGraphicsItem *parent = nullptr);

    // The widget asks for the given size; an id that does not resolve shows
    // nothing.
    void setImage(const QString &id, const QSize &size);
    QString image() const;
    QSize imageSize() const;

    void setPixmap(const QPixmap &pixmap);
    QPixmap pixmap() const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;

private:
    QString m_id;
    QSize m_size;
    QPixmap m_pixmap;
};

#endif // UXIMAGEWIDGET_H
