#ifndef WORSTPICTURES_H
#define WORSTPICTURES_H

#include <QList>
#include <QString>

// The pictures of the worst-block benchmark, made once per run in a folder
// that every case process reads: large and huge PNGs of one colour and a
// named pipe that looks like a PNG.
namespace WorstPictures {

// Makes them all, each kind at both sides in pixels; false when a file
// could not be made.
bool make(const QString &folder, const QList<int> &sides);

// The thumbnails of a side, four distinct files (index 0 to 3).
QString thumbnail(const QString &folder, int side, int index);
QString avatar(const QString &folder, int side);
QString fifo(const QString &folder);
// The theme folder of the service icons, and their ids in it.
QString iconFolder(const QString &folder);
QString icon(int side);
QString fifoIcon();

} // namespace WorstPictures

#endif // WORSTPICTURES_H
