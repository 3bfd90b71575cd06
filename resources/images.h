// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace octaval {

/// The application icon: 32 x 32 pixels in the 16 standard colours, each pixel drawn as a square
/// of `scale` x `scale` pixels (64, 128 or 256 pixels for a scale of 2, 4 or 8).
QImage makeIcon(int scale = 1);

/// The About picture: 72 x 61 pixels in at most 256 colours, each drawn `scale` pixels square.
QImage makeAboutPicture(int scale = 1);

/// The same image in an indexed format (as the stored files keep it), its colours unchanged.
QImage toIndexed(const QImage& image);

}  // namespace octaval
