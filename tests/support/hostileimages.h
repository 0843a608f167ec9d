#ifndef HOSTILEIMAGES_H
#define HOSTILEIMAGES_H

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QtEndian>

#include <array>

#include <sys/stat.h>

// Picture files that other people could name: pipes, folders, files whose
// header claims more pixels than memory holds, files above the byte budget.
// All are small on disk.
namespace HostileImages {

inline quint32 crc32(const QByteArray &data)
{
    quint32 crc = 0xffffffffu;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

inline QByteArray pngChunk(const QByteArray &type, const QByteArray &data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    const QByteArray body = type + data;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(crc32(body), crc.data());
    return chunk + body + crc;
}

// A valid PNG header claiming width by height RGBA pixels, followed by an
// empty picture: a reader that trusts the header allocates it all.
inline bool writeClaimingPng(const QString &path, quint32 width, quint32 height)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(width, header.data());
    qToBigEndian<quint32>(height, header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 6; // RGBA
    const QByteArray emptyDeflate = QByteArray::fromHex("789c030000000001");
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(QByteArray::fromHex("89504e470d0a1a0a") + pngChunk("IHDR", header) +
                      pngChunk("IDAT", emptyDeflate) + pngChunk("IEND", QByteArray())) > 0;
}

// Opening it for reading waits for a writer, for ever.
inline bool makePipe(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// A file of size bytes that takes no room on disk.
inline bool writeSparse(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.resize(size);
}

inline bool writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// The hostile entry of a kind at path, for data-driven tests: "pipe",
// "link to a pipe", "link to a device", "folder", "20000 by 20000",
// "above the byte budget".
inline bool make(const QString &kind, const QString &path, qint64 byteBudget)
{
    if (kind == QLatin1String("pipe"))
        return makePipe(path);
    if (kind == QLatin1String("link to a pipe"))
        return makePipe(path + QStringLiteral(".pipe")) &&
               QFile::link(path + QStringLiteral(".pipe"), path);
    if (kind == QLatin1String("link to a device"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == QLatin1String("folder"))
        return QDir().mkpath(path);
    if (kind == QLatin1String("20000 by 20000"))
        return writeClaimingPng(path, 20000, 20000);
    if (kind == QLatin1String("above the byte budget"))
        return writeSparse(path, byteBudget + 1);
    return false;
}

// Rows for a data-driven test with the columns "kind" and "reason": each kind
// asked for, with the reason the image guard gives for refusing it.
inline void addRows(qint64 byteBudget, const QStringList &kinds)
{
    const QList<std::array<QString, 3>> rows = {
        {QStringLiteral("named pipe"), QStringLiteral("pipe"),
         QStringLiteral("it is a named pipe")},
        {QStringLiteral("link to a named pipe"), QStringLiteral("link to a pipe"),
         QStringLiteral("it is a named pipe")},
        {QStringLiteral("link to a device"), QStringLiteral("link to a device"),
         QStringLiteral("it is a device")},
        {QStringLiteral("folder"), QStringLiteral("folder"), QStringLiteral("it is a folder")},
        {QStringLiteral("header claiming 400 megapixels"), QStringLiteral("20000 by 20000"),
         QStringLiteral("it has 20000 by 20000 pixels, more than 40 megapixels")},
        {QStringLiteral("file above the byte budget"), QStringLiteral("above the byte budget"),
         QStringLiteral("it has %1 bytes, more than %2").arg(byteBudget + 1).arg(byteBudget)}};
    for (const auto &row : rows) {
        if (kinds.contains(row[1]))
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2];
    }
}

} // namespace HostileImages

#endif // HOSTILEIMAGES_H
