#include "uxpalette_p.h"

namespace UxPalette {

QColor mixed(const QColor &from, const QColor &to, qreal share)
{
    const qreal keep = 1 - share;
    return QColor::fromRgbF(
        from.redF() * keep + to.redF() * share, from.greenF() * keep + to.greenF() * share,
        from.blueF() * keep + to.blueF() * share, from.alphaF() * keep + to.alphaF() * share);
}

QColor quietText(const QPalette &palette)
{
    return mixed(palette.color(QPalette::Text), palette.color(QPalette::Base), 0.35);
}

QColor pressedBase(const QPalette &palette)
{
    return mixed(palette.color(QPalette::Base), palette.color(QPalette::Highlight), 0.15);
}

QPalette onBase(QPalette palette)
{
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, palette.color(group, QPalette::Base));
        palette.setColor(group, QPalette::WindowText, palette.color(group, QPalette::Text));
    }
    return palette;
}

} // namespace UxPalette
