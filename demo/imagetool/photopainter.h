#ifndef PHOTOPAINTER_H
#define PHOTOPAINTER_H

#include <QImage>
#include <QString>

// Draws a simple "photo" of a scene. The name's first word picks the scene
// (lake, mountains, sunset, city, forest, beach, flowers; anything else gets
// a pattern) and the whole name varies its colours and shapes.
QImage drawPhoto(const QString &name);

#endif // PHOTOPAINTER_H
