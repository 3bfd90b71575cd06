// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/images.h"

#include <QPainter>
#include <array>

namespace octaval {
namespace {

// The 16 standard colours of a 4-bit display.
constexpr std::array<QRgb, 16> standardColours = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

constexpr QRgb black = standardColours[0];
constexpr QRgb navy = standardColours[4];
constexpr QRgb grey = standardColours[8];
constexpr QRgb silver = standardColours[7];
constexpr QRgb yellow = standardColours[11];
constexpr QRgb white = standardColours[15];

// A row of four octet boxes with dots between them, as the main window shows an address.
void drawOctetRow(QPainter& painter, QPoint origin, QSize box, int gap,
                  const std::array<QRgb, 4>& fills) {
    for (int k = 0; k < 4; ++k) {
        const QRect rect(origin + QPoint(k * (box.width() + gap), 0), box);
        painter.fillRect(rect, QColor(black));
        painter.fillRect(rect.adjusted(1, 1, -1, -1), QColor(fills[std::size_t(k)]));
        if (k < 3) {
            const int dotX = rect.right() + 1 + (gap - 1) / 2;
            painter.fillRect(QRect(dotX, rect.bottom() - 1, 1, 2), QColor(white));
        }
    }
}

}  // namespace

QImage makeIcon(int scale) {
    QImage image(32 * scale, 32 * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.fillRect(image.rect(), QColor(black));
    painter.fillRect(image.rect().adjusted(1, 1, -1, -1), QColor(navy));
    // The address above, the mask 255.255.255.0 below it.
    drawOctetRow(painter, {3, 6}, {5, 8}, 2, {white, white, white, white});
    drawOctetRow(painter, {3, 18}, {5, 8}, 2, {yellow, yellow, yellow, grey});
    return image;
}

QImage makeAboutPicture(int scale) {
    QImage image(72 * scale, 61 * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    // A sky of one colour per row, from deep to light blue.
    for (int y = 0; y < 61; ++y)
        painter.fillRect(QRect(0, y, 72, 1), QColor(qRgb(16 + 2 * y, 48 + 2 * y, 128 + 2 * y)));
    // A small calculator window: title bar, address and mask rows, a line, a result bar. It
    // stays within the 65 x 57 pixels that the About window's picture box shows.
    const QRect window(4, 6, 56, 46);
    painter.fillRect(window, QColor(black));
    painter.fillRect(window.adjusted(1, 1, -1, -1), QColor(silver));
    painter.fillRect(QRect(5, 7, 54, 6), QColor(navy));
    drawOctetRow(painter, {8, 17}, {10, 8}, 3, {white, white, white, white});
    drawOctetRow(painter, {8, 28}, {10, 8}, 3, {yellow, yellow, yellow, grey});
    painter.fillRect(QRect(5, 39, 54, 1), QColor(grey));
    painter.fillRect(QRect(8, 43, 48, 5), QColor(white));
    painter.fillRect(QRect(9, 44, 20, 3), QColor(standardColours[2]));
    return image;
}

QImage toIndexed(const QImage& image) {
    // Without a colour table of its own, an image of at most 256 colours keeps them exactly.
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

}  // namespace octaval
