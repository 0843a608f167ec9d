#ifndef UXABSTRACTLAYOUTPOLICY_H
#define UXABSTRACTLAYOUTPOLICY_H

#include "uxkit_global.h"

#include <QHash>
#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>

class QGraphicsLayoutItem;
class UxLayout;

// The arrangement of a UxLayout's items. A policy attaches to its layout when
// created and is deleted by it; a layout takes one policy only, and a policy
// it refused has no layout and arranges nothing. Removing an item from a
// policy keeps it in the layout, hidden, so that it can be added again later.
class UXKIT_EXPORT UxAbstractLayoutPolicy
{
public:
    explicit UxAbstractLayoutPolicy(UxLayout *layout);
    virtual ~UxAbstractLayoutPolicy();

    UxLayout *layout() const;

    int count() const;
    QGraphicsLayoutItem *itemAt(int index) const;
    int indexOf(const QGraphicsLayoutItem *item) const;

    virtual void addItem(QGraphicsLayoutItem *item);
    void removeItem(const QGraphicsLayoutItem *item);
    void removeAt(int index);

    Qt::Alignment alignment(const QGraphicsLayoutItem *item) const;
    void setAlignment(const QGraphicsLayoutItem *item, Qt::Alignment alignment);

    void setContentsMargins(qreal left, qreal top, qreal right, qreal bottom);
    void getContentsMargins(qreal *left, qreal *top, qreal *right, qreal *bottom) const;

    virtual void setSpacing(qreal spacing);
    qreal spacing() const;

protected:
    // Puts the item at the index (appends when out of range); an item the
    // policy already holds is moved. Returns false when the layout refused it.
    bool insertItemAt(int index, QGraphicsLayoutItem *item);
    // Lets a policy drop what it keeps per item.
    virtual void itemRemoved(const QGraphicsLayoutItem *item);

    virtual void relayout(const QRectF &rect) = 0;
    virtual QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint) const = 0;
    // Whether the item is placed; a policy may leave out items that do not fit.
    virtual bool placesItem(const QGraphicsLayoutItem *item) const;

    // Items that take part in the arrangement: widgets hidden on purpose do not.
    QList<QGraphicsLayoutItem *> arrangedItems() const;
    QMarginsF contentsMargins() const;
    QRectF contentsRect(const QRectF &rect) const;
    QSizeF addMargins(const QSizeF &size) const;
    qreal innerWidth(const QSizeF &constraint) const;
    void invalidatePolicy();
    void refreshVisibility(QGraphicsLayoutItem *item);

private:
    friend class UxLayout;

    void dropItem(const QGraphicsLayoutItem *item);

    UxLayout *m_layout;
    QList<QGraphicsLayoutItem *> m_items;
    QHash<const QGraphicsLayoutItem *, Qt::Alignment> m_alignments;
    QMarginsF m_margins;
    qreal m_spacing = 0;

    Q_DISABLE_COPY(UxAbstractLayoutPolicy)
};

#endif // UXABSTRACTLAYOUTPOLICY_H
