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

#include <algorithm>

namespace {

const QSizeF s_thumbnailSize(96, 54);
// Below a quarter the bubble rather scales the whole attachment down.
const qreal s_smallestScale = 0.25;

} // namespace

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

QSizeF MultiImageWidgetPrivate::rowSize(qreal rowWidth) const
{
    const int count = m_imagesPolicy->count();
    if (count == 0)
        return QSizeF(0, 0);
    const qreal scale =
        rowWidth < 0 ? 1
                     : qBound(s_smallestScale, rowWidth / (count * s_thumbnailSize.width()), 1.0);
    return QSizeF(count * s_thumbnailSize.width() * scale, s_thumbnailSize.height() * scale);
}

void MultiImageWidgetPrivate::fitThumbnails(qreal rowWidth)
{
    const int count = m_imagesPolicy->count();
    if (count == 0)
        return;
    const QSizeF row = rowSize(rowWidth);
    const QSizeF thumbnail(row.width() / count, row.height());
    for (int i = 0; i < count; ++i) {
        QGraphicsLayoutItem *item = m_imagesPolicy->itemAt(i);
        item->setMinimumSize(thumbnail);
        item->setPreferredSize(thumbnail);
        item->setMaximumSize(thumbnail);
    }
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
    ThumbnailLoader::load(image);
    m_d->fitThumbnails(size().width() > 0 ? size().width() : -1);
}

void MultiImageWidget::setInfoText(const QString &text)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << text;
    m_d->m_infoLabel->setVisible(!text.isEmpty());
    m_d->m_infoLabel->setText(text);
}

void MultiImageWidget::setGeometry(const QRectF &rect)
{
    // The thumbnails get their size before the layout places them.
    m_d->fitThumbnails(rect.width());
    UxWidget::setGeometry(rect);
}

QSizeF MultiImageWidget::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    if (which != Qt::MinimumSize && which != Qt::PreferredSize)
        return UxWidget::sizeHint(which, constraint);
    // Both layouts have no margins and no spacing.
    const QSizeF row = m_d->rowSize(which == Qt::MinimumSize ? 0 : constraint.width());
    QSizeF info(0, 0);
    if (m_d->m_infoLabel->isVisibleTo(this))
        info = m_d->m_infoLabel->effectiveSizeHint(which, QSizeF(constraint.width(), -1));
    const qreal width = which == Qt::PreferredSize && constraint.width() >= 0
                            ? constraint.width()
                            : std::max(row.width(), info.width());
    return QSizeF(width, row.height() + info.height());
}
