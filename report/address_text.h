// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Addresses and masks as people write them ("10.1.2.3", "10.1.2.3/27", "10.1.2.3 255.255.255.224")
// turned into the texts of the window's input boxes: the command line's operands and a text
// pasted into the window are read by the same rules.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace octaval {

/// The input texts an address fills: its four parts, and the mask's four when one was given.
struct AddressTexts {
    std::array<std::string, 4> address;
    std::optional<std::array<std::string, 4>> mask;

    /// The mask's texts, or the natural mask of the address's first part when none was given
    /// (as the window's mask boxes follow the first octet).
    std::array<std::string, 4> maskOrNatural() const;
};

/// How an address is described in the messages.
inline constexpr std::string_view addressExample = "four parts joined by dots, such as 10.1.2.3";

/// Reads an ADDRESS[/N] and, when given, a MASK (four dotted parts or /N): the texts, or the
/// message that says what is wrong with them. A mask after a slash may also be four dotted
/// parts ("10.1.2.3/255.255.0.0", "/255.255.0.0").
std::variant<AddressTexts, std::string> readAddress(std::string_view address,
                                                    std::optional<std::string_view> mask);

/// Reads an address written on one line: an ADDRESS[/N] with an optional MASK after blanks,
/// blanks around it ignored, as readAddress reads them; the texts, or the message that says
/// what is wrong.
std::variant<AddressTexts, std::string> readAddressLine(std::string_view text);

/// Reads an address as typed or pasted, as readAddressLine does; nothing for any text that it
/// refuses.
std::optional<AddressTexts> parseAddressText(std::string_view text);

/// The four parts of a text of four parts joined by dots, each as it stands (empty parts
/// included); nothing when the text does not have exactly four parts.
std::optional<std::array<std::string_view, 4>> splitDotted(std::string_view text);

/// The four octet texts of the mask with the given prefix length ("/N" without the slash): N is
/// decimal digits with a value from 0 to 32; nothing for anything else.
std::optional<std::array<std::string, 4>> prefixMask(std::string_view digits);

}  // namespace octaval
