#include "flatpng.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <zlib.h>

namespace {

// Compressed data goes out in chunks of about this size.
const int s_chunkBytes = 64 * 1024;

void appendBigEndian(QByteArray *bytes, quint32 value)
{
    char raw[4];
    qToBigEndian(value, raw);
    bytes->append(raw, 4);
}

bool writeChunk(QFile *file, const char *type, const QByteArray &data)
{
    QByteArray chunk;
    appendBigEndian(&chunk, quint32(data.size()));
    chunk.append(type, 4);
    chunk.append(data);
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef *>(chunk.constData() + 4), uInt(chunk.size() - 4));
    appendBigEndian(&chunk, quint32(crc));
    return file->write(chunk) == chunk.size();
}

// Runs the compressor over the input it holds and writes what it gives as
// image data chunks.
bool deflateInto(QFile *file, z_stream *stream, int flush)
{
    QByteArray out(s_chunkBytes, Qt::Uninitialized);
    int result = Z_OK;
    do {
        stream->next_out = reinterpret_cast<Bytef *>(out.data());
        stream->avail_out = uInt(out.size());
        result = deflate(stream, flush);
        if (result == Z_STREAM_ERROR)
            return false;
        const int produced = out.size() - int(stream->avail_out);
        if (produced > 0 && !writeChunk(file, "IDAT", out.left(produced)))
            return false;
    } while (stream->avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
    return true;
}

} // namespace

namespace FlatPng {

bool write(const QString &path, int side, QRgb colour)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (file.write("\x89PNG\r\n\x1a\n", 8) != 8)
        return false;
    QByteArray header;
    appendBigEndian(&header, quint32(side));
    appendBigEndian(&header, quint32(side));
    header.append("\x08\x02\x00\x00\x00", 5); // 8 bits per channel, RGB
    if (!writeChunk(&file, "IHDR", header))
        return false;

    // Each row: filter "none", then the pixels.
    QByteArray row(1 + 3 * side, Qt::Uninitialized);
    row[0] = 0;
    for (int x = 0; x < side; ++x) {
        row[1 + 3 * x] = char(qRed(colour));
        row[2 + 3 * x] = char(qGreen(colour));
        row[3 + 3 * x] = char(qBlue(colour));
    }
    z_stream stream = {};
    if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    bool written = true;
    for (int y = 0; written && y < side; ++y) {
        stream.next_in = reinterpret_cast<Bytef *>(row.data());
        stream.avail_in = uInt(row.size());
        written = deflateInto(&file, &stream, Z_NO_FLUSH);
    }
    written = written && deflateInto(&file, &stream, Z_FINISH);
    deflateEnd(&stream);
    return written && writeChunk(&file, "IEND", QByteArray());
}

} // namespace FlatPng
