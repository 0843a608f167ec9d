#ifndef UXPALETTE_P_H
#define UXPALETTE_P_H

#include <QColor>
#include <QPalette>

// Colours the toolkit draws with that the palette has no role for, made from
// the roles it has, so that a dark palette gives dark variants.
namespace UxPalette {

// The colour a share of the way from one colour to another.
QColor mixed(const QColor &from, const QColor &to, qreal share);

// Secondary text, as time stamps: the text colour a little towards the base.
QColor quietText(const QPalette &palette);

// A pressed surface: the base tinted with the highlight.
QColor pressedBase(const QPalette &palette);

// The palette for what lies on the base of a frame: its window is the base,
// and the window text the text, so labels drawn with them stay legible.
QPalette onBase(QPalette palette);

} // namespace UxPalette

#endif // UXPALETTE_P_H
