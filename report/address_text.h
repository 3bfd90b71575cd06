// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What people type, read by one set of rules: decimal counts, octets, dotted quads, prefix
// lengths and masks, and addresses as people write them ("10.1.2.3", "10.1.2.3/27",
// "10.1.2.3 255.255.255.224") turned into the texts of the window's input boxes. The command
// line's operands and options, a text pasted into the window, the subnet list's search and the
// practice's answers all read through here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace octaval {

/// The blanks that may stand around what people type and between its words: blank, tab, line
/// breaks, form feed and vertical tab.
inline constexpr std::string_view blanks = " \t\n\r\f\v";

/// The text without blanks around it.
std::string_view trimmed(std::string_view text);

/// Decimal digits only, at least one, leading zeros allowed: no sign, blank, point or exponent
/// ("1e2" and "+5" are not decimal counts).
bool isDecimal(std::string_view text);

/// The value of a decimal count (isDecimal); nothing for any other text, or for a number beyond
/// 64 bits.
std::optional<std::uint64_t> readDecimal(std::string_view text);

/// An octet: a decimal count from 0 to 255.
std::optional<std::uint8_t> readOctet(std::string_view text);

using Octets = std::array<std::uint8_t, 4>;

/// The 32-bit value of four octets, the first the highest.
constexpr std::uint32_t addressOf(const Octets& octets) {
    return std::uint32_t{octets[0]} << 24 | std::uint32_t{octets[1]} << 16 |
           std::uint32_t{octets[2]} << 8 | std::uint32_t{octets[3]};
}

/// A dotted quad as an address is written in a search: four octets of one to three digits each,
/// joined by dots, nothing around them ("10.1.2.3").
std::optional<Octets> readDottedQuad(std::string_view text);

/// A dotted quad as an answer is written: blanks around the text and around each part are
/// ignored, and an octet may have any number of leading zeros (" 10. 1.2.003 ").
std::optional<Octets> readDottedQuadLoosely(std::string_view text);

/// A prefix length ("/N" without the slash): a decimal count from 0 to 32.
std::optional<int> readPrefixLength(std::string_view digits);

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

/// The four octet texts of the mask with the given prefix length ("/N" without the slash,
/// readPrefixLength); nothing for anything else.
std::optional<std::array<std::string, 4>> prefixMask(std::string_view digits);

/// Reads a MASK as the command line takes it: four dotted parts, "/N", or "/" and four dotted
/// parts; its four texts, or the message that says what is wrong.
std::variant<std::array<std::string, 4>, std::string> readMask(std::string_view text);

}  // namespace octaval
