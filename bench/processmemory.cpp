#include "processmemory.h"

#include <QFile>

#include <malloc.h>
#include <unistd.h>

namespace ProcessMemory {

namespace {

// Field number index of /proc/self/statm, in bytes; -1 when unreadable.
qint64 statmBytes(int index)
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > index ? fields.at(index).toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

} // namespace

qint64 residentBytes()
{
    return statmBytes(1);
}

qint64 mappedBytes()
{
    return statmBytes(0);
}

qint64 heapInUseBytes()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

void releaseFreeMemory()
{
    malloc_trim(0);
}

} // namespace ProcessMemory
