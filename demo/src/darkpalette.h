#ifndef DARKPALETTE_H
#define DARKPALETTE_H

#include <QPalette>

// The palette of a dark desktop: light text on dark surfaces, for trying the
// widgets as its users see them.
namespace DarkPalette {

QPalette palette();

} // namespace DarkPalette

#endif // DARKPALETTE_H
