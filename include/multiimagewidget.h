#ifndef MULTIIMAGEWIDGET_H
#define MULTIIMAGEWIDGET_H

#include "davovadezed_global.h"

#include <uxwidget.h>

#include <QString>

class MultiImageWidgetPrivate;

// A row of at most maxImages thumbnails, the most recently appended ones,
// above an info text.
class DAVOVADEZED_EXPORT MultiImageWidget : public UxWidget
{
    Q_OBJECT
public:
    MultiImageWidget(unsigned int maxImages, QGraphicsItem *parent = nullptr);
    ~MultiImageWidget() override;

    void appendImage(const QString &imagePath);
    void setInfoText(const QString &text);

signals:
    void clicked(const QString &imagePath);

private:
    Q_DISABLE_COPY(MultiImageWidget)
    MultiImageWidgetPrivate *m_d;
};

#endif // MULTIIMAGEWIDGET_H
