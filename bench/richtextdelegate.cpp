#include "richtextdelegate.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPixmap>
#include <QTextDocument>

namespace {

const int s_margin = 8;
const int s_avatar = 100;
const QSize s_thumbnail(96, 54);
const int s_rememberedSizes = 1000;

int textLeft()
{
    return s_margin + s_avatar + s_margin;
}

void layOut(QTextDocument *document, const QString &html, int width, const QFont &font)
{
    document->setDefaultFont(font);
    document->setHtml(html);
    document->setTextWidth(width);
}

} // namespace

RichTextDelegate::RichTextDelegate(int width, QObject *parent)
    : QStyledItemDelegate(parent), m_width(width)
{
}

void RichTextDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const QRect area = option.rect;
    painter->save();
    painter->fillRect(area.adjusted(2, 2, -2, -2), QColor(0xf4, 0xf6, 0xfa));
    const QPixmap avatar = index.data(Qt::DecorationRole).value<QPixmap>();
    painter->drawPixmap(QRect(area.left() + s_margin, area.top() + s_margin, s_avatar, s_avatar),
                        avatar);

    QTextDocument document;
    const int width = area.width() - textLeft() - s_margin;
    layOut(&document, index.data(Qt::DisplayRole).toString(), width, option.font);
    painter->translate(area.left() + textLeft(), area.top() + s_margin);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = option.palette;
    document.documentLayout()->draw(painter, context);

    int y = int(document.size().height()) + s_margin / 2;
    const QVariantList thumbnails = index.data(ThumbnailsRole).toList();
    for (int i = 0; i < thumbnails.size(); ++i)
        painter->drawPixmap(QRect(QPoint(i * (s_thumbnail.width() + 4), y), s_thumbnail),
                            thumbnails.at(i).value<QPixmap>());
    if (!thumbnails.isEmpty())
        y += s_thumbnail.height() + s_margin / 2;
    painter->setPen(option.palette.color(QPalette::Disabled, QPalette::Text));
    painter->drawText(QRect(0, y, width, option.fontMetrics.height()), Qt::AlignLeft,
                      index.data(FooterRole).toString());
    painter->restore();
}

QSize RichTextDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString key = index.data(SizeKeyRole).toString();
    if (!key.isEmpty()) {
        const auto known = m_sizes.constFind(key);
        if (known != m_sizes.constEnd())
            return *known;
    }
    const int width = m_width;
    QTextDocument document;
    layOut(&document, index.data(Qt::DisplayRole).toString(), width - textLeft() - s_margin,
           option.font);
    int height = int(document.size().height()) + s_margin / 2 + option.fontMetrics.height();
    if (!index.data(ThumbnailsRole).toList().isEmpty())
        height += s_thumbnail.height() + s_margin / 2;
    const QSize size(width, qMax(height, s_avatar) + 2 * s_margin);
    if (!key.isEmpty()) {
        // Rows that left the list are forgotten now and then.
        if (m_sizes.size() > s_rememberedSizes)
            m_sizes.clear();
        m_sizes.insert(key, size);
    }
    return size;
}
