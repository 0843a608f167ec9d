#ifndef AVATARPAINTER_H
#define AVATARPAINTER_H

#include <QImage>
#include <QString>

// Draws a person's picture: a cartoon head and shoulders whose colours, hair
// and glasses follow from the name, so that every person looks different.
QImage drawAvatar(const QString &name);

#endif // AVATARPAINTER_H
