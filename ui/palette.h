// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows' colours from the desktop's palette, light or dark: legible text in the output
// boxes, the panels of boxes with a colour of their own, and buttons drawn to match.

#include <QtGlobal>

#include "ui/system_colours.h"

class QColor;

class QLineEdit;
class QWidget;

namespace octaval {

/// WCAG's relative luminance of a colour, 0 for black to 1 for white.
qreal luminance(const QColor& colour);

/// WCAG's contrast ratio of two colours, 1 to 21: what legible text needs (4.5:1) is measured by
/// it, in the windows and in their tests alike.
qreal contrast(const QColor& a, const QColor& b);

/// Gives a box the panel colour of a system colour; the colour itself is taken from the palette
/// by followPalette.
void setPanelColour(QLineEdit* box, SystemColour colour);

/// Sets the colours of a window's controls from the application's palette, and sets them again
/// whenever the desktop changes its palette while the window is open.
void followPalette(QWidget* window);

}  // namespace octaval
