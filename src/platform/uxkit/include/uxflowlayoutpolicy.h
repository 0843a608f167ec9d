#ifndef UXFLOWLAYOUTPOLICY_H
#define UXFLOWLAYOUTPOLICY_H

#include "uxabstractlayoutpolicy.h"

#include <QSet>
#include <QVector>

// Items side by side at their preferred widths, wrapping into a new row when
// the current one is full. Within a row, expanding items share the width left
// over; otherwise the first item aligned right (and the ones after it) move
// to the right end. Items are centred vertically in their row unless aligned
// otherwise. Items in rows past the row limit are hidden.
class UXKIT_EXPORT UxFlowLayoutPolicy : public UxAbstractLayoutPolicy
{
public:
    explicit UxFlowLayoutPolicy(UxLayout *layout);

    // At most this many rows are shown; -1 shows all.
    void setRowLimit(int rowLimit);
    int rowLimit() const;

protected:
    void itemRemoved(const QGraphicsLayoutItem *item) override;
    void relayout(const QRectF &rect) override;
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint) const override;
    bool placesItem(const QGraphicsLayoutItem *item) const override;

private:
    struct Row
    {
        QList<QGraphicsLayoutItem *> items;
        QVector<qreal> widths;
        qreal height = 0;
    };
    QList<Row> rows(Qt::SizeHint which, qreal width) const;
    // Widens expanding items to fill the row, or else returns how far each
    // item moves right to honour a right alignment.
    QVector<qreal> fitRow(Row &row, qreal width) const;

    QSet<const QGraphicsLayoutItem *> m_overflow;
    int m_rowLimit = -1;
};

#endif // UXFLOWLAYOUTPOLICY_H
