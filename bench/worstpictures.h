#ifndef WORSTPICTURES_H
#define WORSTPICTURES_H

#include <QString>

// The pictures of the worst-block benchmark, made once per run in a folder
// that every case process reads: huge PNGs of one colour and a named pipe
// that looks like a PNG.
namespace WorstPictures {

// Makes them all with the given side in pixels; false when a file could
// not be made.
bool make(const QString &folder, int side);

// The huge thumbnails, four distinct files (index 0 to 3).
QString thumbnail(const QString &folder, int index);
QString avatar(const QString &folder);
QString fifo(const QString &folder);
// The theme folder of the service icons, and their ids in it.
QString iconFolder(const QString &folder);
QString hugeIcon();
QString fifoIcon();

} // namespace WorstPictures

#endif // WORSTPICTURES_H
