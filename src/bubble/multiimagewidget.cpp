#include "multiimagewidget.h"

#include "attachmentimagewidget.h"
#include "logging.h"
#include "multiimagewidget_p.h"
#include "thumbnail_p.h"

#include <uxlabel.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>

#include <QFile>

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

MultiImageWidget::MultiImageWidget(unsigned int maxImages, QGraphicsItem *parent)
    : UxWidget(parent), m_d(new MultiImageWidgetPrivate(maxImages, this))
{
}

MultiImageWidget::~MultiImageWidget() = default;

void MultiImageWidget::appendImage(const QString &imagePath)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << imagePath;
    if (!QFile::exists(imagePath)) {
        qCWarning(lcDavovadezed) << Q_FUNC_INFO
                                 << "Will not add a non-existent image from path:" << imagePath;
        return;
    }
    if (m_d->m_maxImages == 0)
        return;

    // Only the most recent images stay, oldest on the left.
    while (static_cast<unsigned int>(m_d->m_imagesPolicy->count()) >= m_d->m_maxImages) {
        QGraphicsLayoutItem *oldest = m_d->m_imagesPolicy->itemAt(0);
        m_d->m_imagesPolicy->removeAt(0);
        delete oldest;
    }

    auto *image = new AttachmentImageWidget(imagePath);
    image->setPixmap(Thumbnail::load(imagePath));
    m_d->m_imagesPolicy->addItem(image);
    connect(image, &AttachmentImageWidget::clicked, this, &MultiImageWidget::clicked);
}

void MultiImageWidget::setInfoText(const QString &text)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << text;
    m_d->m_infoLabel->setVisible(!text.isEmpty());
    m_d->m_infoLabel->setText(text);
}
