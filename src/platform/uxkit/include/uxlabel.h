#ifndef UXLABEL_H
#define UXLABEL_H

#include "uxwidget.h"

#include <QScopedPointer>

class UxTextBlock;

// Text that wraps to the width it is given. It is plain unless the label is
// told it is rich (setTextFormat(Qt::RichText)); nothing is guessed from the
// text itself, as texts often come from other people. A tap on a link of rich
// text emits linkActivated with the link's href; taps elsewhere go to the
// items below. Rich text never loads the images it names.
class UXKIT_EXPORT UxLabel : public UxWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(Qt::TextFormat textFormat READ textFormat WRITE setTextFormat)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)

public:
    explicit UxLabel(const QString &text = QString(), QGraphicsItem *parent = nullptr);
    ~UxLabel() override;

    QString text() const;
    void setText(const QString &text);

    // Qt::RichText or Qt::PlainText; every other format is plain.
    Qt::TextFormat textFormat() const;
    void setTextFormat(Qt::TextFormat format);

    // The text as shown: for rich text, its characters without the markup.
    QString plainText() const;

    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment alignment);

    // The href of the link at a point in item coordinates, or an empty string.
    QString anchorAt(const QPointF &pos) const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

signals:
    void linkActivated(const QString &link);

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void ungrabMouseEvent(QEvent *event) override;

private:
    QPointF textOrigin() const;

    QScopedPointer<UxTextBlock> m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QString m_pressedAnchor;
};

#endif // UXLABEL_H
