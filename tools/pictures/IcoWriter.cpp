#include "IcoWriter.h"

#include <QtEndian>

namespace {

void PutU16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void PutU32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// One icon entry: a BITMAPINFOHEADER whose height counts the colour and the mask rows, the
// colour rows bottom-up as BGRA, then the 1-bit AND mask rows (each padded to 32 bits).
QByteArray EncodeEntry(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width();
    const int h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;

    QByteArray out;
    PutU32(out, 40);
    PutU32(out, quint32(w));
    PutU32(out, quint32(h * 2));
    PutU16(out, 1);  // planes
    PutU16(out, 32); // bits per pixel
    PutU32(out, 0);  // no compression
    PutU32(out, quint32(w * h * 4 + maskStride * h));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 0);

    for (int y = h - 1; y >= 0; --y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(line[x])));
            out.append(char(qGreen(line[x])));
            out.append(char(qRed(line[x])));
            out.append(char(qAlpha(line[x])));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray EncodeIco(const QList<QImage> &images)
{
    QList<QByteArray> entries;
    for (const QImage &image : images)
        entries.append(EncodeEntry(image));

    QByteArray out;
    PutU16(out, 0); // reserved
    PutU16(out, 1); // type: icon
    PutU16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        const QImage &image = images.at(i);
        out.append(char(image.width() >= 256 ? 0 : image.width()));
        out.append(char(image.height() >= 256 ? 0 : image.height()));
        out.append(char(0)); // no palette
        out.append(char(0));
        PutU16(out, 1);
        PutU16(out, 32);
        PutU32(out, quint32(entries.at(i).size()));
        PutU32(out, offset);
        offset += quint32(entries.at(i).size());
    }
    for (const QByteArray &entry : entries)
        out.append(entry);
    return out;
}
