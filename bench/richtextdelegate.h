#ifndef RICHTEXTDELEGATE_H
#define RICHTEXTDELEGATE_H

#include <QHash>
#include <QStyledItemDelegate>

// The usual way to show rich-text posts in a list view, for comparison with
// the feed: the avatar on the left, the message as HTML laid out by a
// QTextDocument, the thumbnails under it, and a footer line.
class RichTextDelegate : public QStyledItemDelegate
{
public:
    // Item roles beside the display role (the message's HTML) and the
    // decoration role (the avatar). A row with a size key has its size
    // measured once; its message must not change.
    enum Role { ThumbnailsRole = Qt::UserRole, FooterRole, SizeKeyRole };

    // Items are as wide as the view's viewport.
    RichTextDelegate(int width, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_width;
    mutable QHash<QString, QSize> m_sizes;
};

#endif // RICHTEXTDELEGATE_H
