// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the application icon for the installed program: larger PNGs for the hicolor icon
// theme, a scalable SVG and the Windows .ico. Every rendering shows the very pixels of the
// 32 x 32 icon, each one enlarged to a square, so that the picture stays crisp at any size.
#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QList>
#include <QString>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

constexpr int pngSizes[] = {64, 128, 256};
constexpr int icoPngSize = 256;

bool fail(const QString& message) {
    std::fprintf(stderr, "make_icon_set: %s\n", qPrintable(message));
    return false;
}

bool writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.flush())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return true;
}

QImage enlarged(const QImage& icon, int size) {
    return icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// One rectangle of equal pixels in the SVG.
struct Block {
    int x, y, width, height;
    QRgb colour;
};

// Cuts the picture into rows of equal pixels and joins a row with the one below it when both
// cover the same columns in the same colour: a few dozen rectangles instead of 1024.
QByteArray svgBytes(const QImage& icon) {
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    std::vector<Block> blocks;
    std::vector<std::size_t> open;  // blocks that reach down to the previous row
    for (int y = 0; y < argb.height(); ++y) {
        std::vector<std::size_t> stillOpen;
        for (int x = 0; x < argb.width();) {
            const QRgb colour = argb.pixel(x, y);
            int end = x + 1;
            while (end < argb.width() && argb.pixel(end, y) == colour)
                ++end;
            bool joined = false;
            for (const std::size_t k : open) {
                Block& above = blocks[k];
                if (above.x == x && above.width == end - x && above.colour == colour) {
                    ++above.height;
                    stillOpen.push_back(k);
                    joined = true;
                    break;
                }
            }
            if (!joined) {
                stillOpen.push_back(blocks.size());
                blocks.push_back({x, y, end - x, 1, colour});
            }
            x = end;
        }
        open = std::move(stillOpen);
    }

    QByteArray svg = QStringLiteral(
                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                         "viewBox=\"0 0 %1 %2\" shape-rendering=\"crispEdges\">\n")
                         .arg(argb.width())
                         .arg(argb.height())
                         .toUtf8();
    for (const Block& block : blocks) {
        if (qAlpha(block.colour) == 0) continue;
        QString rect = QStringLiteral(
                           "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" "
                           "fill=\"%5\"")
                           .arg(block.x)
                           .arg(block.y)
                           .arg(block.width)
                           .arg(block.height)
                           .arg(QColor(block.colour).name(QColor::HexRgb));
        if (qAlpha(block.colour) < 255)
            rect += QStringLiteral(" fill-opacity=\"%1\"").arg(qAlpha(block.colour) / 255.0);
        svg += rect.toUtf8() + "/>\n";
    }
    svg += "</svg>\n";
    return svg;
}

// The icon as an .ico image entry in its original 16 colours: a 4-bit bitmap followed by the
// 1-bit transparency mask, both bottom row first, the height counting both.
QByteArray bitmapEntry(const QImage& indexed) {
    const int width = indexed.width();
    const int height = indexed.height();
    const int colourStride = (width * 4 + 31) / 32 * 4;
    const int maskStride = (width + 31) / 32 * 4;
    const QList<QRgb> colours = indexed.colorTable();

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(4)
        << quint32(0) << quint32((colourStride + maskStride) * height) << qint32(0) << qint32(0)
        << quint32(16) << quint32(0);
    for (int k = 0; k < 16; ++k) {
        const QRgb c = k < colours.size() ? colours[k] : 0;
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourStride, '\0');
        for (int x = 0; x < width; ++x)
            row[x / 2] = char(row[x / 2] | (indexed.pixelIndex(x, y) << (x % 2 ? 0 : 4)));
        out.writeRawData(row.constData(), row.size());
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x)
            if (qAlpha(colours[indexed.pixelIndex(x, y)]) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    return bytes;
}

// An .ico holding the 16-colour original for classic displays and a 256-pixel PNG (which the
// format takes as it is) for large icons on high-resolution screens.
QByteArray icoBytes(const QImage& indexed) {
    struct Entry {
        int size;
        int colourCount;
        int bitsPerPixel;
        QByteArray data;
    };
    const Entry entries[] = {
        {indexed.width(), 16, 4, bitmapEntry(indexed)},
        {icoPngSize, 0, 32, pngBytes(enlarged(indexed, icoPngSize))},
    };
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int count = int(std::size(entries));
    out << quint16(0) << quint16(1) << quint16(count);
    quint32 offset = 6 + 16 * count;
    for (const Entry& entry : entries) {
        // A size of 256 is written as 0.
        out << quint8(entry.size % 256) << quint8(entry.size % 256) << quint8(entry.colourCount)
            << quint8(0) << quint16(1) << quint16(entry.bitsPerPixel) << quint32(entry.data.size())
            << offset;
        offset += quint32(entry.data.size());
    }
    for (const Entry& entry : entries)
        out.writeRawData(entry.data.constData(), entry.data.size());
    return bytes;
}

bool run(const QString& iconPath, const QString& folder, const QString& name) {
    QImage icon(iconPath);
    if (icon.isNull()) return fail(QStringLiteral("cannot read the icon %1").arg(iconPath));
    if (icon.width() != icon.height() || icon.width() > 255)
        return fail(QStringLiteral("the icon %1 is %2 x %3 pixels; expected a square of at most "
                                   "255 pixels")
                        .arg(iconPath)
                        .arg(icon.width())
                        .arg(icon.height()));
    const QImage indexed =
        icon.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    if (indexed.colorCount() > 16)
        return fail(QStringLiteral("the icon %1 has more than 16 colours").arg(iconPath));

    const QString base = folder + QLatin1Char('/') + name;
    for (const int size : pngSizes)
        if (!writeFile(base + QStringLiteral("-%1.png").arg(size), pngBytes(enlarged(icon, size))))
            return false;
    return writeFile(base + QStringLiteral(".svg"), svgBytes(icon)) &&
           writeFile(base + QStringLiteral(".ico"), icoBytes(indexed));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: make_icon_set ICON FOLDER NAME\n"
                     "Writes NAME-64.png, NAME-128.png, NAME-256.png, NAME.svg and NAME.ico into "
                     "FOLDER.\n");
        return 2;
    }
    return run(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
               QString::fromLocal8Bit(argv[3]))
               ? 0
               : 1;
}
