// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>

#include "resources/images.h"

namespace octaval {
namespace {

// The application icon drawn by code at the size asked for, so that it stays sharp at any scale.
// It names only its own size: a platform that sends every size it is offered to the window
// system (X11 does) would otherwise draw and send them all at start-up.
class IconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int scale = std::max(1, std::min(size.width(), size.height()) / 32);
        return QPixmap::fromImage(makeIcon(scale));
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {QSize(32, 32)}; }
    QIconEngine* clone() const override { return new IconEngine; }
};

}  // namespace

QIcon applicationIcon() {
    return QIcon(new IconEngine);
}

QPixmap aboutPicture(qreal devicePixelRatio) {
    const int scale = std::max(1, int(std::ceil(devicePixelRatio)));
    QPixmap picture = QPixmap::fromImage(makeAboutPicture(scale));
    picture.setDevicePixelRatio(scale);
    return picture;
}

}  // namespace octaval
