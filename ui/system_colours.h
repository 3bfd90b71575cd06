// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

namespace octaval {

/// The system colours that the windows name for their backgrounds and texts.
enum class SystemColour : unsigned char {
    none,  // the control's own palette role
    buttonFace,
    windowBackground,
    windowText,
    activeBorder,
    inactiveBorder,
};

/// The palette role nearest to a system colour; the one place where the two are matched.
constexpr QPalette::ColorRole paletteRole(SystemColour colour) {
    switch (colour) {
        case SystemColour::buttonFace:
            return QPalette::Button;
        case SystemColour::windowBackground:
            return QPalette::Base;
        case SystemColour::windowText:
            return QPalette::Text;
        // Desktop palettes have no border colours; the window colour is what frames and dialog
        // backgrounds are drawn in.
        case SystemColour::activeBorder:
        case SystemColour::inactiveBorder:
            return QPalette::Window;
        case SystemColour::none:
            break;
    }
    return QPalette::NoRole;
}

}  // namespace octaval
