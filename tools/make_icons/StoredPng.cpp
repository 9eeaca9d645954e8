#include "StoredPng.h"

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <zlib.h>

namespace StoredPng {

namespace {

void appendUint32(QByteArray& out, quint32 value)
{
    const quint32 big = qToBigEndian(value);
    out.append(reinterpret_cast<const char*>(&big), sizeof big);
}

void appendChunk(QByteArray& out, const char type[4], const QByteArray& data)
{
    appendUint32(out, quint32(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out.append(typed);
    appendUint32(out, quint32(crc32(0L, reinterpret_cast<const Bytef*>(typed.constData()), uInt(typed.size()))));
}

} // namespace

bool write(const QImage& image, const QString& path)
{
    // Straight (not premultiplied) red, green, blue, alpha: PNG's order.
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    if (rgba.isNull())
        return false;
    const int rowBytes = rgba.width() * 4;

    QByteArray header;
    appendUint32(header, quint32(rgba.width()));
    appendUint32(header, quint32(rgba.height()));
    header.append(char(8)); // bits per sample
    header.append(char(6)); // colour with alpha
    header.append(char(0)); // deflate, the one method
    header.append(char(0)); // the one filter method
    header.append(char(0)); // not interlaced

    QByteArray density;
    appendUint32(density, quint32(rgba.dotsPerMeterX()));
    appendUint32(density, quint32(rgba.dotsPerMeterY()));
    density.append(char(1)); // per metre

    QByteArray rows;
    rows.reserve((rowBytes + 1) * rgba.height());
    for (int y = 0; y < rgba.height(); ++y) {
        rows.append(char(0)); // filter: none
        rows.append(reinterpret_cast<const char*>(rgba.constScanLine(y)), rowBytes);
    }
    uLongf packedSize = compressBound(uLong(rows.size()));
    QByteArray packed(int(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(rows.constData()), uLong(rows.size()), Z_NO_COMPRESSION)
        != Z_OK)
        return false;
    packed.truncate(int(packedSize));

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    if (rgba.dotsPerMeterX() > 0 && rgba.dotsPerMeterY() > 0)
        appendChunk(png, "pHYs", density);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", QByteArray());

    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(png) == png.size() && file.flush();
}

} // namespace StoredPng
