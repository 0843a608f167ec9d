#include "serviceiconpainter.h"

#include "seededrandom.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const int s_size = 64;

void drawBird(QPainter &p)
{
    p.setBrush(Qt::white);
    // Body and head.
    p.drawEllipse(QPointF(30, 36), 15, 11);
    p.drawEllipse(QPointF(43, 24), 7.5, 7.5);
    // Beak.
    QPainterPath beak;
    beak.moveTo(49, 21);
    beak.lineTo(56, 22);
    beak.lineTo(50, 26);
    beak.closeSubpath();
    p.drawPath(beak);
    // Raised wing.
    QPainterPath wing;
    wing.moveTo(22, 34);
    wing.cubicTo(14, 22, 14, 14, 17, 10);
    wing.cubicTo(24, 20, 32, 26, 36, 32);
    wing.closeSubpath();
    p.drawPath(wing);
    // Tail.
    QPainterPath tail;
    tail.moveTo(17, 36);
    tail.lineTo(8, 30);
    tail.lineTo(11, 40);
    tail.closeSubpath();
    p.drawPath(tail);
}

} // namespace

QImage drawServiceIcon(const QString &serviceId)
{
    QImage image(s_size, s_size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    if (serviceId == QLatin1String("twittergw")) {
        p.setBrush(QColor(0x1d, 0xa1, 0xf2));
        p.drawRoundedRect(QRectF(0, 0, s_size, s_size), 12, 12);
        drawBird(p);
    } else {
        SeededRandom random(serviceId);
        p.setBrush(random.hue(150, 200));
        p.drawRoundedRect(QRectF(0, 0, s_size, s_size), 12, 12);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(32, 32), 14, 14);
    }
    return image;
}
