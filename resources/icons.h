// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace octaval {

/// The application icon, the window icon of every window, drawn at every size asked for.
QIcon applicationIcon();

/// The About window's picture, drawn for the given device pixel ratio.
QPixmap aboutPicture(qreal devicePixelRatio);

}  // namespace octaval
