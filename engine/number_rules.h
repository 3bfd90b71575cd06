// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number rules every procedure shares: how a box text becomes a number, how a number becomes
// box text, and the integer conversions behind And, Or, Not and the 16-bit fields.
namespace octaval {

/// A number read from a box text. Beyond the floating-point range, inRange is false and value
/// holds +HUGE_VAL or -HUGE_VAL, so that its sign can still be compared.
struct ReadNumber {
    double value = 0.0;
    bool inRange = true;
};

/// Reads the leading number of a box text: blanks, tabs and line feeds are dropped first; then a
/// decimal number (sign, digits with one point, exponent E or D) or "&H"/"&O" with hexadecimal or
/// octal digits. Reading stops at the first character that cannot continue; no number reads as 0.
ReadNumber textToNumber(std::string_view text);

/// Whether a number has no fraction: true for the infinities, false for NaN.
bool isWholeNumber(double value);

/// A whole number as box text: decimal digits, "-" before a negative value, nothing else.
std::string numberToText(double wholeNumber);

namespace detail {
// The texts of 0..255, four characters apart, with their lengths.
struct OctetTextTable {
    std::array<char, 4 * 256> chars{};
    std::array<std::uint8_t, 256> lengths{};
};

constexpr OctetTextTable makeOctetTextTable() {
    OctetTextTable t;
    for (int v = 0; v < 256; ++v) {
        char* out = &t.chars[static_cast<std::size_t>(4 * v)];
        int n = 0;
        if (v >= 100) out[n++] = static_cast<char>('0' + v / 100);
        if (v >= 10) out[n++] = static_cast<char>('0' + v / 10 % 10);
        out[n++] = static_cast<char>('0' + v % 10);
        t.lengths[static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(n);
    }
    return t;
}

inline constexpr OctetTextTable octetTextTable = makeOctetTextTable();
}  // namespace detail

/// The text of a whole number 0..255, as numberToText gives it, without building a string.
/// Inline: the press and the subnet list take several per answer or row.
inline std::string_view octetText(int value) {
    assert(value >= 0 && value <= 255);
    const auto v = static_cast<std::size_t>(value);
    return {&detail::octetTextTable.chars[4 * v], detail::octetTextTable.lengths[v]};
}

/// Rounds to the nearest 32-bit integer, a tie going to the even neighbour; nothing when the
/// rounded value lies outside the 32-bit range.
std::optional<std::int32_t> toInt32(double value);

/// Rounds to the nearest 16-bit integer, a tie going to the even neighbour; nothing when the
/// rounded value lies outside -32768..32767.
std::optional<std::int16_t> toInt16(double value);

/// Bitwise And of two numbers, each first rounded to a 32-bit integer.
std::optional<std::int32_t> bitAnd(double a, double b);

/// Bitwise Or of two numbers, each first rounded to a 32-bit integer.
std::optional<std::int32_t> bitOr(double a, double b);

/// Bitwise Not of a number rounded to a 32-bit integer: Not x is -x - 1.
std::optional<std::int32_t> bitNot(double a);

}  // namespace octaval
