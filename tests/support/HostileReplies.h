#pragma once

#include "support/LocalHttpServer.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QtEndian>

#include <zlib.h>

// Bodies a hostile server sends: compression bombs and pictures far larger than their files, made
// on the fly (a few hundred kilobytes each) rather than kept in the repository.
namespace HostileReplies {

// size zero bytes compressed as gzip (or, with gzip false, as the zlib stream HTTP calls deflate).
inline QByteArray Compressed(qint64 size, bool gzip)
{
    z_stream stream {};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, gzip ? 15 + 16 : 15, 9, Z_DEFAULT_STRATEGY);
    const QByteArray zeros(1024 * 1024, '\0');
    QByteArray out;
    char chunk[64 * 1024];
    for (qint64 left = size;;) {
        const int take = int(qMin<qint64>(left, zeros.size()));
        left -= take;
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.constData()));
        stream.avail_in = uInt(take);
        const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        int result = Z_OK;
        do {
            stream.next_out = reinterpret_cast<Bytef*>(chunk);
            stream.avail_out = sizeof chunk;
            result = deflate(&stream, flush);
            out.append(chunk, int(sizeof chunk - stream.avail_out));
        } while (stream.avail_out == 0);
        if (result == Z_STREAM_END || flush == Z_FINISH)
            break;
    }
    deflateEnd(&stream);
    return out;
}

inline QByteArray PngChunk(const char* type, const QByteArray& data)
{
    QByteArray chunk(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), chunk.data());
    const QByteArray typed = QByteArray(type) + data;
    QByteArray crc(4, '\0');
    qToBigEndian<quint32>(
        quint32(crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))), crc.data());
    return chunk + typed + crc;
}

// A black grey-scale PNG of side × side pixels at bitDepth (1 or 8) bits: a few hundred bytes per
// million pixels in the file, side × side × bitDepth / 8 bytes once decoded.
inline QByteArray PngBomb(int side, int bitDepth)
{
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(quint32(side), header.data());
    qToBigEndian<quint32>(quint32(side), header.data() + 4);
    header[8] = char(bitDepth);
    // Each row: its filter byte and its pixels, all zero, so one stream of zeros of the whole size.
    const qint64 raw = qint64(side) * (1 + (qint64(side) * bitDepth + 7) / 8);
    return QByteArray("\x89PNG\r\n\x1A\n") + PngChunk("IHDR", header) + PngChunk("IDAT", Compressed(raw, false))
        + PngChunk("IEND", QByteArray());
}

// An icon file whose directory says 16 × 16 and whose one entry is the PNG png.
inline QByteArray IconHolding(const QByteArray& png)
{
    QByteArray icon(22, '\0');
    qToLittleEndian<quint16>(1, icon.data() + 2); // type: icon
    qToLittleEndian<quint16>(1, icon.data() + 4); // one image
    icon[6] = 16;
    icon[7] = 16;
    qToLittleEndian<quint16>(1, icon.data() + 10); // planes
    qToLittleEndian<quint16>(32, icon.data() + 12); // bits per pixel
    qToLittleEndian<quint32>(quint32(png.size()), icon.data() + 14);
    qToLittleEndian<quint32>(22, icon.data() + 18);
    return icon + png;
}

// A 200 reply whose body comes encoded ("gzip", "deflate") as the Content-Encoding header says.
inline LocalHttpServer::Response Encoded(const QByteArray& body, const QByteArray& encoding)
{
    LocalHttpServer::Response response = Reply(200, body);
    response.headers = "Content-Encoding: " + encoding + "\r\n";
    return response;
}

// A 200 reply that announces length (or none, LocalHttpServer::kNoLength), whatever it sends.
inline LocalHttpServer::Response WithLength(
    const QByteArray& body, qint64 length, LocalHttpServer::Behaviour behaviour = LocalHttpServer::Behaviour::Normal)
{
    LocalHttpServer::Response response = Reply(200, body, behaviour);
    response.length = length;
    return response;
}

// A plain picture in format ("JPG", "PNG", "BMP"...).
inline QByteArray Picture(const char* format, int side = 110)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

} // namespace HostileReplies
