#include "contactcardclosebutton_p.h"

#include <QGraphicsSceneMouseEvent>
#include <QPainter>

// Big enough for a fingertip.
static const qreal s_side = 48;
static const qreal s_crossRatio = 0.3;

ContactCardCloseButton::ContactCardCloseButton(QGraphicsItem *parent) : QGraphicsWidget(parent)
{
    setObjectName(QStringLiteral("ContactCardCloseButton"));
    setAcceptedMouseButtons(Qt::LeftButton);
}

void ContactCardCloseButton::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF area = rect();
    const qreal arm = qMin(area.width(), area.height()) * s_crossRatio / 2;
    const QPointF centre = area.center();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (m_pressed) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::Highlight));
        painter->drawEllipse(centre, arm * 2, arm * 2);
    }
    const QPalette::ColorRole ink = m_pressed ? QPalette::HighlightedText : QPalette::WindowText;
    painter->setPen(QPen(palette().color(ink), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter->drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter->drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
    painter->restore();
}

QSizeF ContactCardCloseButton::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    if (which == Qt::MinimumSize || which == Qt::PreferredSize) {
        return QSizeF(s_side, s_side);
    }
    return QGraphicsWidget::sizeHint(which, constraint);
}

void ContactCardCloseButton::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    m_pressed = true;
    event->accept();
    update();
}

void ContactCardCloseButton::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const bool tapped = m_pressed && rect().contains(event->pos());
    m_pressed = false;
    update();
    if (tapped) {
        emit clicked();
    }
}

void ContactCardCloseButton::ungrabMouseEvent(QEvent *event)
{
    m_pressed = false;
    update();
    QGraphicsWidget::ungrabMouseEvent(event);
}
