// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace octaval {

/// An address as 32 single bits: entries 1..32 are used, entry 1 being the most significant bit
/// of octet 1 and entry 32 the least significant bit of octet 4; entry 0 is never used.
using BitVector = std::array<std::int16_t, 33>;

/// The eight entries of one octet (octet 1..4) of a bit vector.
std::span<const std::int16_t, 8> octetBits(const BitVector& bits, int octet);

/// Fills entries 1..32 from four octet values. The first three octets are truncated (a fraction
/// is dropped, never rounded) and limited to 0..255; the fourth is first rounded to a 16-bit
/// integer, ties to even, then limited to 0..255. Returns false, leaving the vector unchanged,
/// when the fourth octet does not round into -32768..32767.
bool OctetsToBits(const std::array<double, 4>& octets, BitVector& bits);

/// The text of one octet from its eight entries, most significant first ("130" for 10000010).
std::string_view BitsToOctetText(std::span<const std::int16_t, 8> entries);

}  // namespace octaval
