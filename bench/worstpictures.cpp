#include "worstpictures.h"

#include "flatpng.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace {

const int s_thumbnails = 4;

QString iconPath(const QString &folder, const QString &id)
{
    return QDir(WorstPictures::iconFolder(folder)).filePath(id + QStringLiteral(".png"));
}

bool makeFifo(const QString &path)
{
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

} // namespace

namespace WorstPictures {

bool make(const QString &folder, int side)
{
    if (!QDir(folder).mkpath(QStringLiteral("icons")))
        return false;
    const QString first = thumbnail(folder, 0);
    if (!FlatPng::write(first, side, qRgb(70, 130, 180)))
        return false;
    // Copies: no cache keyed by the path spares a decode.
    bool made = true;
    for (int i = 1; i < s_thumbnails; ++i)
        made = made && QFile::copy(first, thumbnail(folder, i));
    return made && QFile::copy(first, avatar(folder)) &&
           QFile::copy(first, iconPath(folder, hugeIcon())) && makeFifo(fifo(folder)) &&
           makeFifo(iconPath(folder, fifoIcon()));
}

QString thumbnail(const QString &folder, int index)
{
    return QDir(folder).filePath(QStringLiteral("huge-%1.png").arg(index));
}

QString avatar(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("avatar.png"));
}

QString fifo(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("fifo.png"));
}

QString iconFolder(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("icons"));
}

QString hugeIcon()
{
    return QStringLiteral("huge-service");
}

QString fifoIcon()
{
    return QStringLiteral("fifo-service");
}

} // namespace WorstPictures
