#ifndef FLATPNG_H
#define FLATPNG_H

#include <QRgb>
#include <QString>

// Writes a PNG of one colour, of any size, a row at a time: a 20000×20000
// picture is made without holding its 1.2 GB of pixels, and compresses to
// about a megabyte. False when the file cannot be written.
namespace FlatPng {

bool write(const QString &path, int side, QRgb colour);

} // namespace FlatPng

#endif // FLATPNG_H
