// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a text that comes into one box of a row of four octet boxes does to the row, whichever way
// it comes (typed, pasted, dropped, from an input method or from assistive technology): which box
// gets which text and where the cursor goes. Apart from any toolkit, so that every front end's
// boxes behave alike. Texts are UTF-16, counted in code units, as the toolkits count them.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace octaval {

/// The most characters an octet box holds.
inline constexpr std::size_t octetLength = 3;

/// What a row takes whole. An address row takes an address in any form that octaval-cli reads
/// (ADDRESS, ADDRESS/N, ADDRESS MASK), a mask row a mask, dotted or /N.
enum class RowKind : unsigned char { address, mask };

/// One change of a box's text: `inserted` in place of the part [from, to) of `before` (from ==
/// to where nothing was selected). `typed` when it is one key typed.
struct BoxChange {
    std::u16string_view before;
    std::size_t from = 0;
    std::size_t to = 0;
    std::u16string_view inserted;
    bool typed = false;
};

/// What a change does to the row.
struct RowEntry {
    enum class Kind : unsigned char {
        /// Nothing of it fits: the box stays as it was, its selection too, as if nothing had
        /// been typed.
        refused,
        /// The box takes `text`, with the cursor at `cursor`.
        box,
        /// The text is a whole address or mask: the address row takes `address` (first, so that
        /// a mask that follows the first octet follows it) and the mask row `mask`, each when
        /// given; the box that got it keeps the focus.
        rows,
        /// A dot typed after a box's digits: the next box of the row takes the focus, its text
        /// selected, as one types an address.
        nextBox,
    };
    Kind kind = Kind::refused;
    std::u16string text;
    std::size_t cursor = 0;
    std::optional<std::array<std::string, 4>> address, mask;
};

/// What `change` does to box `box` (0 to 3) of a row of the given kind. A text goes in as it
/// would into a box of `octetLength` characters: cut to the room that the box leaves, and never
/// between the two halves of a surrogate pair.
RowEntry enterText(RowKind row, std::size_t box, const BoxChange& change);

/// The change that turned a box's text `before` into `after`, where [from, to) was its selection
/// (or, from == to, its cursor) just before: the selection replaced when `after` reads so, and
/// otherwise (a text set whole, an input method's replacement) the whole text. `before` and
/// `after` must outlive the result.
BoxChange changeBetween(std::u16string_view before, std::size_t from, std::size_t to,
                        std::u16string_view after);

}  // namespace octaval
