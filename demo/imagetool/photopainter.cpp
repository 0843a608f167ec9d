#include "photopainter.h"

#include "seededrandom.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

const int s_width = 320;
const int s_height = 180;

void drawSky(QPainter &p, const QColor &top, const QColor &bottom, qreal horizon)
{
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, s_width, horizon), sky);
}

// A jagged ridge from the left edge to the right edge, filled down to bottom.
QPolygonF ridge(SeededRandom &random, qreal base, qreal height, int peaks, qreal bottom)
{
    QPolygonF shape;
    shape << QPointF(0, bottom) << QPointF(0, base);
    const qreal step = qreal(s_width) / peaks;
    for (int i = 0; i < peaks; ++i) {
        shape << QPointF(i * step + step / 2, base - random.between(height / 2, height));
        shape << QPointF((i + 1) * step, base - random.between(0, height / 4));
    }
    shape << QPointF(s_width, bottom);
    return shape;
}

void drawSun(QPainter &p, const QPointF &centre, qreal radius, const QColor &colour)
{
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
}

void drawLake(QPainter &p, SeededRandom &random)
{
    const qreal horizon = 100;
    drawSky(p, QColor(0x6d, 0xa7, 0xe0), QColor(0xd6, 0xea, 0xf8), horizon);
    drawSun(p, QPointF(random.between(40, 280), 36), 16, QColor(0xff, 0xf1, 0xa8));
    p.setBrush(QColor(0x4b, 0x6e, 0x5a));
    p.drawPolygon(ridge(random, horizon, 45, 3, horizon));
    QLinearGradient water(0, horizon, 0, s_height);
    water.setColorAt(0, QColor(0x3f, 0x7f, 0xb5));
    water.setColorAt(1, QColor(0x1d, 0x4a, 0x78));
    p.fillRect(QRectF(0, horizon, s_width, s_height - horizon), water);
    p.setPen(QPen(QColor(255, 255, 255, 120), 2));
    for (int i = 0; i < 8; ++i) {
        const qreal y = random.between(horizon + 8, s_height - 6);
        const qreal x = random.between(0, s_width - 60);
        p.drawLine(QPointF(x, y), QPointF(x + random.between(20, 60), y));
    }
    p.setPen(Qt::NoPen);
}

void drawMountains(QPainter &p, SeededRandom &random)
{
    drawSky(p, QColor(0x5b, 0x8f, 0xd6), QColor(0xe4, 0xef, 0xfa), s_height);
    const QColor far = random.hue(60, 150);
    p.setBrush(far.lighter(130));
    p.drawPolygon(ridge(random, 120, 90, 3, s_height));
    p.setBrush(QColor(0xf4, 0xf7, 0xfb));
    // Snow on the far peaks: the same ridge clipped to its top.
    p.save();
    p.setClipRect(QRectF(0, 0, s_width, 62));
    p.drawPolygon(ridge(random, 120, 90, 3, s_height));
    p.restore();
    p.setBrush(far.darker(150));
    p.drawPolygon(ridge(random, 160, 60, 5, s_height));
}

void drawSunset(QPainter &p, SeededRandom &random)
{
    const qreal horizon = 112;
    drawSky(p, QColor(0x4a, 0x2c, 0x6e), QColor(0xff, 0x9a, 0x4a), horizon);
    drawSun(p, QPointF(random.between(100, 220), horizon), 34, QColor(0xff, 0xd2, 0x5a));
    p.fillRect(QRectF(0, horizon, s_width, s_height - horizon), QColor(0x2c, 0x2a, 0x55));
    p.setBrush(QColor(0xff, 0xb8, 0x5a, 160));
    for (int i = 0; i < 6; ++i) {
        const qreal w = 70 - i * 9;
        p.drawRect(QRectF(160 - w / 2 + random.between(-10, 10), horizon + 6 + i * 10, w, 3));
    }
    // The pier.
    p.fillRect(QRectF(0, horizon - 4, 110, 6), QColor(0x22, 0x18, 0x22));
    for (int x = 8; x < 110; x += 24)
        p.fillRect(QRectF(x, horizon, 4, 30), QColor(0x22, 0x18, 0x22));
}

void drawCity(QPainter &p, SeededRandom &random)
{
    drawSky(p, QColor(0x0b, 0x10, 0x2b), QColor(0x2d, 0x3a, 0x6b), s_height);
    p.setBrush(QColor(0xf2, 0xf2, 0xe0));
    p.drawEllipse(QPointF(random.between(30, 290), 28), 10, 10);
    qreal x = 0;
    while (x < s_width) {
        const qreal w = random.between(26, 52);
        const qreal h = random.between(50, 140);
        const QRectF building(x, s_height - h, w - 3, h);
        p.fillRect(building, random.hue(60, 70));
        for (qreal wy = building.top() + 6; wy < s_height - 8; wy += 12) {
            for (qreal wx = building.left() + 5; wx < building.right() - 6; wx += 10) {
                if (random.below(3) != 0)
                    p.fillRect(QRectF(wx, wy, 5, 6), QColor(0xff, 0xe0, 0x8a));
            }
        }
        x += w;
    }
}

void drawTree(QPainter &p, const QPointF &foot, qreal height, const QColor &colour)
{
    p.fillRect(QRectF(foot.x() - 2, foot.y() - height * 0.25, 4, height * 0.25),
               QColor(0x5a, 0x3b, 0x22));
    p.setBrush(colour);
    QPolygonF crown;
    crown << QPointF(foot.x(), foot.y() - height)
          << QPointF(foot.x() - height * 0.28, foot.y() - height * 0.2)
          << QPointF(foot.x() + height * 0.28, foot.y() - height * 0.2);
    p.drawPolygon(crown);
}

void drawForest(QPainter &p, SeededRandom &random)
{
    drawSky(p, QColor(0x9c, 0xc9, 0xe8), QColor(0xe9, 0xf4, 0xe4), s_height);
    p.setBrush(QColor(0x7f, 0xa8, 0x6a));
    p.drawEllipse(QRectF(-60, 110, 260, 140));
    p.setBrush(QColor(0x5e, 0x8f, 0x4e));
    p.drawEllipse(QRectF(120, 100, 280, 160));
    for (int i = 0; i < 22; ++i) {
        const qreal x = random.between(0, s_width);
        const qreal y = random.between(120, 178);
        drawTree(p, QPointF(x, y), random.between(40, 80),
                 QColor::fromHsv(100 + random.below(40), 160, 90 + random.below(60)));
    }
    // The trail.
    QPainterPath trail;
    trail.moveTo(150, 180);
    trail.cubicTo(170, 150, 130, 140, 165, 118);
    p.setPen(QPen(QColor(0xc9, 0xa8, 0x72), 8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trail);
    p.setPen(Qt::NoPen);
}

void drawBeach(QPainter &p, SeededRandom &random)
{
    drawSky(p, QColor(0x4f, 0xb3, 0xf0), QColor(0xc8, 0xec, 0xff), 90);
    drawSun(p, QPointF(random.between(200, 300), 30), 14, QColor(0xff, 0xf6, 0xb0));
    p.fillRect(QRectF(0, 90, s_width, 40), QColor(0x1f, 0x9b, 0xc4));
    QPainterPath sand;
    sand.moveTo(0, 128);
    sand.cubicTo(100, 118, 220, 138, s_width, 124);
    sand.lineTo(s_width, s_height);
    sand.lineTo(0, s_height);
    p.setBrush(QColor(0xf1, 0xdc, 0xa5));
    p.drawPath(sand);
    // A parasol.
    const QPointF top(random.between(60, 260), 112);
    p.fillRect(QRectF(top.x() - 1.5, top.y(), 3, 48), QColor(0x6b, 0x4a, 0x2b));
    p.setBrush(random.hue(200, 240));
    p.drawPie(QRectF(top.x() - 32, top.y() - 20, 64, 40), 0, 180 * 16);
}

void drawFlowers(QPainter &p, SeededRandom &random)
{
    drawSky(p, QColor(0xa8, 0xd8, 0xf5), QColor(0xf0, 0xf8, 0xff), 70);
    p.fillRect(QRectF(0, 70, s_width, s_height - 70), QColor(0x6c, 0xa6, 0x4c));
    for (int i = 0; i < 40; ++i) {
        const QPointF centre(random.between(0, s_width), random.between(80, s_height));
        const qreal r = random.between(4, 9);
        p.setBrush(random.hue(170, 250));
        for (int petal = 0; petal < 5; ++petal) {
            QTransform t;
            t.translate(centre.x(), centre.y());
            t.rotate(petal * 72);
            p.drawEllipse(t.map(QPointF(r, 0)), r * 0.7, r * 0.7);
        }
        p.setBrush(QColor(0xff, 0xd8, 0x3a));
        p.drawEllipse(centre, r * 0.5, r * 0.5);
    }
}

void drawPattern(QPainter &p, SeededRandom &random)
{
    const QColor a = random.hue(120, 230);
    const QColor b = random.hue(60, 250);
    p.fillRect(QRect(0, 0, s_width, s_height), a);
    p.setBrush(b);
    switch (random.below(3)) {
    case 0:
        for (int y = 0; y < s_height; y += 20) {
            for (int x = (y / 20) % 2 * 20; x < s_width; x += 40)
                p.drawRect(QRect(x, y, 20, 20));
        }
        break;
    case 1:
        for (int x = -s_height; x < s_width; x += 28) {
            QPolygonF stripe;
            stripe << QPointF(x, s_height) << QPointF(x + s_height, 0)
                   << QPointF(x + s_height + 12, 0) << QPointF(x + 12, s_height);
            p.drawPolygon(stripe);
        }
        break;
    default:
        for (int y = 15; y < s_height; y += 30) {
            for (int x = 15 + (y / 30) % 2 * 15; x < s_width; x += 30)
                p.drawEllipse(QPointF(x, y), 10, 10);
        }
        break;
    }
}

} // namespace

QImage drawPhoto(const QString &name)
{
    SeededRandom random(name);
    QImage image(s_width, s_height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    const QString scene = name.section(QLatin1Char('-'), 0, 0);
    if (scene == QLatin1String("lake"))
        drawLake(p, random);
    else if (scene == QLatin1String("mountains"))
        drawMountains(p, random);
    else if (scene == QLatin1String("sunset"))
        drawSunset(p, random);
    else if (scene == QLatin1String("city"))
        drawCity(p, random);
    else if (scene == QLatin1String("forest"))
        drawForest(p, random);
    else if (scene == QLatin1String("beach"))
        drawBeach(p, random);
    else if (scene == QLatin1String("flowers"))
        drawFlowers(p, random);
    else
        drawPattern(p, random);
    return image;
}
