// Draws the Facebook service icon compiled into the library: a white
// lowercase "f" on a blue square, 117 by 117 pixels, 8-bit RGBA. The glyph is
// built from shapes rather than a font so the picture is the same on every
// machine.
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

static QImage drawIcon()
{
    const int size = 117;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3b, 0x59, 0x98));
    painter.drawRoundedRect(QRectF(0, 0, size, size), 10, 10);

    // The stem runs to the bottom edge and bends right at the top; the cross
    // bar sits a third of the way down.
    QPainterPath stem;
    stem.moveTo(62, 117);
    stem.lineTo(62, 42);
    stem.cubicTo(62, 24, 72, 17, 88, 17);
    stem.lineTo(96, 17);
    stem.lineTo(96, 36);
    stem.lineTo(90, 36);
    stem.cubicTo(83, 36, 81, 39, 81, 45);
    stem.lineTo(81, 117);
    stem.closeSubpath();
    painter.setBrush(Qt::white);
    painter.drawPath(stem);
    painter.drawRect(QRectF(48, 50, 48, 18));
    painter.end();
    return image;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    if (!drawIcon().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
