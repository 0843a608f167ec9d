#ifndef CONTRAST_H
#define CONTRAST_H

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QRect>

#include <algorithm>
#include <cmath>

// How legible drawn text is: luminance contrast as the web's accessibility
// guidelines measure it, 1 (none) to 21 (black on white).
namespace Contrast {

inline qreal luminance(const QColor &colour)
{
    auto linear = [](qreal channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

inline qreal ratio(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Within the area of an opaque rendering: the contrast of the ink that
// stands out most against the colour most of the area has.
inline qreal inkContrast(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    if (counts.isEmpty())
        return 1;
    const QRgb background =
        std::max_element(counts.constKeyValueBegin(), counts.constKeyValueEnd(),
                         [](const auto &a, const auto &b) { return a.second < b.second; })
            ->first;
    qreal best = 1;
    for (auto it = counts.constKeyValueBegin(); it != counts.constKeyValueEnd(); ++it)
        best = std::max(best, ratio(QColor(background), QColor((*it).first)));
    return best;
}

// A dark desktop's palette: light text on dark surfaces.
inline QPalette darkPalette()
{
    QPalette palette(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::Window, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    palette.setColor(QPalette::Text, QColor(0xf0, 0xf0, 0xf0));
    palette.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    palette.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0xff));
    palette.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    return palette;
}

} // namespace Contrast

#endif // CONTRAST_H
