// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <Qt>
#include <span>
#include <string_view>
#include <vector>

#include "ui/system_colours.h"

class QPushButton;
class QWidget;

namespace octaval {

/// What a control is and, with it, its fixed attributes.
enum class ControlKind : unsigned char {
    addressRow,  // four input boxes with dots between them, for an address (AddressEdit)
    maskRow,     // the same for a mask
    octetBox,    // output, disabled and read-only, right-aligned
    resultBox,   // output, disabled and read-only, left-aligned
    statusBox,   // enabled, left-aligned, no limit
    caption,     // row caption: sans-serif 9.75 pt, left-aligned
    dot,         // octet separator: sans-serif 12 pt bold, centred
    note,        // centred label that wraps at word boundaries
    picture,     // picture box: the image at its own size from the top left, cut at the edges
    button,
    line,  // horizontal line across the window
};

/// One control of a window, as stored with the window: geometry in twips from the top left
/// corner of the client area.
struct Control {
    const char* name;  // control name, used as the object name
    ControlKind kind;
    const char* text;
    int left;
    int top;
    int width;
    int height;
    SystemColour background = SystemColour::none;
};

/// A window as stored: object name, title, frame, background and client size in twips.
struct Form {
    const char* name;
    const char* title;
    Qt::WindowFlags frame;
    SystemColour background;
    int width;
    int height;
};

inline constexpr int twipsPerPixel = 15;

/// Device-independent pixels of a length in twips.
constexpr int fromTwips(int twips) {
    return twips / twipsPerPixel;
}

/// Position of the named control in a table; a name that is not there does not compile when the
/// table is constexpr.
constexpr std::size_t controlIndex(std::span<const Control> controls, std::string_view name) {
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].name == name) return i;
    throw "no such control";
}

/// Gives `window` the form's attributes, a fixed size and the application icon, then creates the
/// controls of the table on it in table order (which is also the focus order), each cut to the
/// client width, in colours that follow the palette. Returns the widgets created, in table order.
std::vector<QWidget*> buildForm(const Form& form, std::span<const Control> controls,
                                QWidget* window);

/// The room that a push button keeps between its label and its edges, both sides together, as
/// the style pads it.
int buttonPadding();

/// A button "Close" that closes `window`, named "close"; one text for every window that has one.
QPushButton* newCloseButton(QWidget* window);

/// Moves `window`, at its size, beside `owner` (the window that opened it) so that both show:
/// to its right where the screen has room, else to its left, else on the side with more room;
/// always within the free area of the owner's screen. Centred on that area without an owner.
void placeBeside(QWidget* window, const QWidget* owner);

}  // namespace octaval
