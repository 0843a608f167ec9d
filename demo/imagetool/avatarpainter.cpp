#include "avatarpainter.h"

#include "seededrandom.h"

#include <QPainter>
#include <QPainterPath>

#include <iterator>

namespace {

const int s_size = 128;

const QColor s_skinTones[] = {QColor(0xf6, 0xd5, 0xb8), QColor(0xe8, 0xb9, 0x8f),
                              QColor(0xc6, 0x8c, 0x5d), QColor(0x9c, 0x66, 0x3c),
                              QColor(0x6e, 0x44, 0x26)};
const QColor s_hairColours[] = {QColor(0x2b, 0x1d, 0x14), QColor(0x5a, 0x38, 0x1e),
                                QColor(0xa8, 0x6b, 0x2d), QColor(0xe0, 0xc0, 0x70),
                                QColor(0xb0, 0x3a, 0x1e), QColor(0x9a, 0x9a, 0x9a)};

enum Hair { ShortHair, LongHair, Bun, Curls, Bald };

void drawHairBehind(QPainter &p, Hair hair, const QColor &colour)
{
    p.setBrush(colour);
    if (hair == LongHair)
        p.drawRoundedRect(QRectF(28, 30, 72, 78), 30, 30);
    if (hair == Bun)
        p.drawEllipse(QPointF(64, 18), 15, 13);
}

void drawHairOnTop(QPainter &p, Hair hair, const QColor &colour, SeededRandom &random)
{
    p.setBrush(colour);
    switch (hair) {
    case ShortHair:
    case LongHair:
    case Bun: {
        // A cap over the top of the head with a side parting.
        QPainterPath cap;
        cap.moveTo(32, 58);
        cap.cubicTo(28, 20, 100, 20, 96, 58);
        cap.cubicTo(88, 40, 70, 36, 58 + random.between(-8, 8), 42);
        cap.cubicTo(48, 46, 38, 48, 32, 58);
        p.drawPath(cap);
        break;
    }
    case Curls:
        for (int i = 0; i < 9; ++i) {
            const qreal angle = 200 + i * 17.5;
            QTransform t;
            t.translate(64, 56);
            t.rotate(angle);
            p.drawEllipse(t.map(QPointF(34, 0)), 11, 11);
        }
        break;
    case Bald:
        break;
    }
}

void drawFace(QPainter &p, SeededRandom &random)
{
    const QColor ink(0x2a, 0x22, 0x20);
    const qreal eyeY = 60 + random.between(-2, 2);
    p.setBrush(ink);
    p.drawEllipse(QPointF(52, eyeY), 3.5, 4.5);
    p.drawEllipse(QPointF(76, eyeY), 3.5, 4.5);

    QPen mouth(ink, 3, Qt::SolidLine, Qt::RoundCap);
    p.setPen(mouth);
    p.setBrush(Qt::NoBrush);
    const qreal smile = random.between(4, 10);
    QPainterPath smilePath;
    smilePath.moveTo(54, 76);
    smilePath.quadTo(64, 76 + smile, 74, 76);
    p.drawPath(smilePath);

    if (random.below(3) == 0) {
        // Glasses.
        p.setPen(QPen(ink, 2.5));
        p.drawEllipse(QPointF(52, eyeY), 9, 8);
        p.drawEllipse(QPointF(76, eyeY), 9, 8);
        p.drawLine(QPointF(61, eyeY), QPointF(67, eyeY));
    }
    p.setPen(Qt::NoPen);
}

} // namespace

QImage drawAvatar(const QString &name)
{
    SeededRandom random(name);
    QImage image(s_size, s_size, QImage::Format_ARGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);

    const QColor background = random.hue(90, 230);
    p.fillRect(image.rect(), background);

    const QColor skin = s_skinTones[random.below(int(std::size(s_skinTones)))];
    const QColor hairColour = s_hairColours[random.below(int(std::size(s_hairColours)))];
    const Hair hair = Hair(random.below(5));
    const QColor shirt = random.hue(160, 200);

    drawHairBehind(p, hair, hairColour);

    // Shoulders and neck.
    p.setBrush(shirt);
    p.drawEllipse(QRectF(14, 100, 100, 70));
    p.setBrush(skin.darker(108));
    p.drawRect(QRectF(54, 82, 20, 22));

    // Head and ears.
    p.setBrush(skin);
    p.drawEllipse(QPointF(34, 64), 6, 8);
    p.drawEllipse(QPointF(94, 64), 6, 8);
    p.drawEllipse(QPointF(64, 60), 30, 34);

    drawHairOnTop(p, hair, hairColour, random);
    drawFace(p, random);
    return image;
}
