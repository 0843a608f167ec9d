#ifndef MULTIIMAGEWIDGET_P_H
#define MULTIIMAGEWIDGET_P_H

#include <QObject>
#include <QSizeF>

class MultiImageWidget;
class UxLabel;
class UxLayout;
class UxLinearLayoutPolicy;

class MultiImageWidgetPrivate : public QObject
{
    Q_OBJECT
public:
    MultiImageWidgetPrivate(unsigned int maxImages, MultiImageWidget *owner);

    // Whether the picture at imagePath may be shown, a warning when not:
    // only existing regular files whose header fits the budgets are.
    static bool accepts(const QString &imagePath);

    // The size of the row of thumbnails at rowWidth, -1 for their own size.
    QSizeF rowSize(qreal rowWidth) const;
    // Gives every thumbnail its size in a row of rowWidth.
    void fitThumbnails(qreal rowWidth);

    const unsigned int m_maxImages;
    MultiImageWidget *const m_owner;
    UxLabel *m_infoLabel;
    UxLayout *m_mainLayout;
    UxLinearLayoutPolicy *m_mainPolicy;
    UxLayout *m_imagesLayout;
    UxLinearLayoutPolicy *m_imagesPolicy;

private:
    Q_DISABLE_COPY(MultiImageWidgetPrivate)
};

#endif // MULTIIMAGEWIDGET_P_H
