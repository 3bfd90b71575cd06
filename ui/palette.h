// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The windows' colours from the desktop's palette, light or dark: legible text in the output
// boxes, the panels of boxes with a colour of their own, and buttons drawn to match.

#include "ui/system_colours.h"

class QLineEdit;
class QWidget;

namespace octaval {

/// Gives a box the panel colour of a system colour; the colour itself is taken from the palette
/// by followPalette.
void setPanelColour(QLineEdit* box, SystemColour colour);

/// Sets the colours of a window's controls from the application's palette, and sets them again
/// whenever the desktop changes its palette while the window is open.
void followPalette(QWidget* window);

}  // namespace octaval
