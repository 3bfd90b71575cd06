// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace octaval {

/// The application icon: 32 x 32 pixels in the 16 standard colours.
QImage makeIcon();

/// The About picture: 72 x 61 pixels in at most 256 colours.
QImage makeAboutPicture();

}  // namespace octaval
