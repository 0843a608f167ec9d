#include "darkpalette.h"

namespace DarkPalette {

QPalette palette()
{
    const QColor window(0x20, 0x22, 0x25);
    const QColor text(0xe8, 0xea, 0xed);
    QPalette palette(QColor(0x3c, 0x40, 0x43), window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x30, 0x33, 0x36));
    palette.setColor(QPalette::AlternateBase, QColor(0x28, 0x2a, 0x2d));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, QColor(0x9a, 0xa0, 0xa6));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x7a, 0xd6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    palette.setColor(QPalette::LinkVisited, QColor(0xc5, 0x8a, 0xf9));
    // Disabled texts fade towards the surface, still readable.
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x86, 0x8b));
    return palette;
}

} // namespace DarkPalette
