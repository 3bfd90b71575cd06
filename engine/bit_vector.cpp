// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bit_vector.h"

#include <algorithm>
#include <cmath>

#include "engine/number_rules.h"

namespace octaval {
namespace {

void putOctet(BitVector& bits, int octet, int value) {
    std::int16_t* entry = &bits[static_cast<std::size_t>(8 * (octet - 1) + 1)];
    for (int shift = 7; shift >= 0; --shift)
        *entry++ = static_cast<std::int16_t>((value >> shift) & 1);
}

// Subtracting the weights 128, 64, ..., 1 from what remains, a 1 wherever the remainder is at
// least the weight, leaves exactly the bits of the whole part limited to 0..255.
int truncatedOctet(double value) {
    if (value < 0.0) return 0;
    if (value >= 256.0) return 255;
    return static_cast<int>(value);  // truncation is the floor of a non-negative value
}

}  // namespace

std::span<const std::int16_t, 8> octetBits(const BitVector& bits, int octet) {
    return std::span<const std::int16_t, 8>(bits.data() + 8 * (octet - 1) + 1, 8);
}

bool OctetsToBits(const std::array<double, 4>& octets, BitVector& bits) {
    // Only the fourth octet is rounded (to a 16-bit integer) before its bits are taken.
    const auto fourth = toInt16(octets[3]);
    if (!fourth) return false;
    for (int k = 1; k <= 3; ++k)
        putOctet(bits, k, truncatedOctet(octets[k - 1]));
    putOctet(bits, 4, std::clamp<int>(*fourth, 0, 255));
    return true;
}

std::string_view BitsToOctetText(std::span<const std::int16_t, 8> entries) {
    int value = 0;
    for (const std::int16_t bit : entries)
        value = value * 2 + bit;
    return octetText(value);
}

}  // namespace octaval
