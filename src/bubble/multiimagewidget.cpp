#include "multiimagewidget.h"

#include "attachmentimagewidget.h"
#include "logging.h"
#include "multiimagewidget_p.h"
#include "thumbnailloader_p.h"

#include <imageguard.h>

#include <uxlabel.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>

#include <QFileInfo>

MultiImageWidgetPrivate::MultiImageWidgetPrivate(unsigned int maxImages, MultiImageWidget *owner)
    : QObject(owner), m_maxImages(maxImages), m_owner(owner), m_infoLabel(new UxLabel),
      m_mainLayout(new UxLayout(owner)),
      m_mainPolicy(new UxLinearLayoutPolicy(m_mainLayout, Qt::Vertical)),
      m_imagesLayout(new UxLayout(m_mainLayout)),
      m_imagesPolicy(new UxLinearLayoutPolicy(m_imagesLayout, Qt::Horizontal))
{
    // The thumbnails sit above the info text.
    m_mainPolicy->addItem(m_imagesLayout);
    m_mainPolicy->addItem(m_infoLabel);
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
    m_imagesLayout->setContentsMargins(0, 0, 0, 0);
}

bool MultiImageWidgetPrivate::accepts(const QString &imagePath)
{
    if (!QFileInfo::exists(imagePath)) {
        qCWarning(lcDavovadezed) << "Will not add a non-existent image from path:" << imagePath;
        return false;
    }
    QString why;
    if (!ImageGuard::fitsPixelBudget(imagePath, &why)) {
        qCWarning(lcDavovadezed) << "Will not add the image from path:" << imagePath
                                 << qUtf8Printable(why);
        return false;
    }
    return true;
}

MultiImageWidget::MultiImageWidget(unsigned int maxImages, QGraphicsItem *parent)
    : UxWidget(parent), m_d(new MultiImageWidgetPrivate(maxImages, this))
{
}

MultiImageWidget::~MultiImageWidget() = default;

void MultiImageWidget::appendImage(const QString &imagePath)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << imagePath;
    if (m_d->m_maxImages == 0 || !MultiImageWidgetPrivate::accepts(imagePath))
        return;

    // Only the most recent images stay, oldest on the left.
    while (static_cast<unsigned int>(m_d->m_imagesPolicy->count()) >= m_d->m_maxImages) {
        QGraphicsLayoutItem *oldest = m_d->m_imagesPolicy->itemAt(0);
        m_d->m_imagesPolicy->removeAt(0);
        delete oldest;
    }

    auto *image = new AttachmentImageWidget(imagePath);
    m_d->m_imagesPolicy->addItem(image);
    connect(image, &AttachmentImageWidget::clicked, this, &MultiImageWidget::clicked);
    ThumbnailLoader::instance()->load(image);
}

void MultiImageWidget::setInfoText(const QString &text)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << text;
    m_d->m_infoLabel->setVisible(!text.isEmpty());
    m_d->m_infoLabel->setText(text);
}
