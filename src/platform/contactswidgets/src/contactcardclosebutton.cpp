#include "contactcardclosebutton_p.h"

#include <QPainter>
#include <QWidget>

// Big enough for a fingertip.
static const qreal s_side = 48;
static const qreal s_crossRatio = 0.3;

ContactCardCloseButton::ContactCardCloseButton(QGraphicsItem *parent) : UxButton(QString(), parent)
{
    setObjectName(QStringLiteral("ContactCardCloseButton"));
}

void ContactCardCloseButton::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF area = rect();
    const qreal arm = qMin(area.width(), area.height()) * s_crossRatio / 2;
    const QPointF centre = area.center();
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (isDown()) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::Highlight));
        painter->drawEllipse(centre, arm * 2, arm * 2);
    }
    const QPalette::ColorRole ink = isDown() ? QPalette::HighlightedText : QPalette::WindowText;
    painter->setPen(QPen(palette().color(ink), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter->drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter->drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
    painter->restore();
}

QSizeF ContactCardCloseButton::sizeHint(Qt::SizeHint which, const QSizeF &) const
{
    switch (which) {
    case Qt::MinimumSize:
    case Qt::PreferredSize:
        return QSizeF(s_side, s_side);
    case Qt::MaximumSize:
        return QSizeF(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    default:
        return QSizeF(-1, -1);
    }
}
