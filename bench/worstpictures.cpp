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

bool make(const QString &folder, const QList<int> &sides)
{
    if (!QDir(folder).mkpath(QStringLiteral("icons")))
        return false;
    bool made = true;
    for (int side : sides) {
        const QString first = thumbnail(folder, side, 0);
        made = made && FlatPng::write(first, side, qRgb(70, 130, 180));
        // Copies: no cache keyed by the path spares a decode.
        for (int i = 1; i < s_thumbnails; ++i)
            made = made && QFile::copy(first, thumbnail(folder, side, i));
        made = made && QFile::copy(first, avatar(folder, side)) &&
               QFile::copy(first, iconPath(folder, icon(side)));
    }
    return made && makeFifo(fifo(folder)) && makeFifo(iconPath(folder, fifoIcon()));
}

QString thumbnail(const QString &folder, int side, int index)
{
    return QDir(folder).filePath(QStringLiteral("photo-%1-%2.png").arg(side).arg(index));
}

QString avatar(const QString &folder, int side)
{
    return QDir(folder).filePath(QStringLiteral("avatar-%1.png").arg(side));
}

QString fifo(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("fifo.png"));
}

QString iconFolder(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("icons"));
}

QString icon(int side)
{
    return QStringLiteral("service-%1").arg(side);
}

QString fifoIcon()
{
    return QStringLiteral("fifo-service");
}

} // namespace WorstPictures
