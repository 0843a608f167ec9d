#include "uxlabel.h"

#include "uxtextblock_p.h"

#include <QEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QWidget>

UxLabel::UxLabel(const QString &text, QGraphicsItem *parent)
    : UxWidget(parent), m_text(new UxTextBlock)
{
    m_text->setFont(font());
    m_text->setAlignment(m_alignment);
    m_text->setText(text, UxTextBlock::PlainFormat);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

UxLabel::~UxLabel() = default;

QString UxLabel::text() const
{
    return m_text->text();
}

void UxLabel::setText(const QString &text)
{
    if (text == m_text->text())
        return;
    m_text->setText(text, m_text->format());
    updateGeometry();
    update();
}

Qt::TextFormat UxLabel::textFormat() const
{
    return m_text->format() == UxTextBlock::RichFormat ? Qt::RichText : Qt::PlainText;
}

void UxLabel::setTextFormat(Qt::TextFormat format)
{
    const UxTextBlock::Format block =
        format == Qt::RichText ? UxTextBlock::RichFormat : UxTextBlock::PlainFormat;
    if (block == m_text->format())
        return;
    m_text->setText(m_text->text(), block);
    updateGeometry();
    update();
}

QString UxLabel::plainText() const
{
    return m_text->plainText();
}

Qt::Alignment UxLabel::alignment() const
{
    return m_alignment;
}

void UxLabel::setAlignment(Qt::Alignment alignment)
{
    if (!(alignment & Qt::AlignHorizontal_Mask))
        alignment |= Qt::AlignLeft;
    if (!(alignment & Qt::AlignVertical_Mask))
        alignment |= Qt::AlignVCenter;
    m_alignment = alignment;
    m_text->setAlignment(alignment);
    update();
}

QPointF UxLabel::textOrigin() const
{
    const QRectF area = contentsRect();
    const qreal height = m_text->size(area.width()).height();
    qreal y = area.top();
    if (m_alignment & Qt::AlignBottom)
        y = area.bottom() - height;
    else if (m_alignment & Qt::AlignVCenter)
        y = area.top() + (area.height() - height) / 2;
    return QPointF(area.left(), y);
}

QString UxLabel::anchorAt(const QPointF &pos) const
{
    return m_text->anchorAt(pos - textOrigin(), contentsRect().width());
}

void UxLabel::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->setClipRect(boundingRect(), Qt::IntersectClip);
    m_text->paint(painter, textOrigin(), contentsRect().width(),
                  palette().color(QPalette::WindowText), palette().color(QPalette::Link));
}

QSizeF UxLabel::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    qreal left, top, right, bottom;
    getContentsMargins(&left, &top, &right, &bottom);
    const QSizeF margins(left + right, top + bottom);

    switch (which) {
    case Qt::MinimumSize:
        return margins;
    case Qt::PreferredSize: {
        const qreal width =
            constraint.width() >= 0 ? qMax<qreal>(0, constraint.width() - margins.width()) : -1;
        return m_text->size(width) + margins;
    }
    case Qt::MaximumSize:
        return QSizeF(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    default:
        return QSizeF(-1, -1);
    }
}

void UxLabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        m_text->setFont(font());
    UxWidget::changeEvent(event);
}

void UxLabel::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    m_pressedAnchor = event->button() == Qt::LeftButton ? anchorAt(event->pos()) : QString();
    // Only links are ours; other taps belong to whatever lies below.
    if (m_pressedAnchor.isEmpty())
        event->ignore();
}

void UxLabel::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const QString pressed = m_pressedAnchor;
    m_pressedAnchor.clear();
    if (!pressed.isEmpty() && anchorAt(event->pos()) == pressed)
        emit linkActivated(pressed);
}

void UxLabel::ungrabMouseEvent(QEvent *)
{
    m_pressedAnchor.clear();
}
