// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The address classes, once: what the first octet of an address decides for the engine, for the
// working that explains a press and for the problems of the practice.

#include <array>
#include <cstdint>
#include <string_view>

namespace octaval {

/// An IPv4 address or mask as one number, the first octet in the most significant byte.
using Address = std::uint32_t;

/// An address class and what the classful rules fix for it.
struct AddressClass {
    /// 'A' .. 'E'.
    char letter;
    /// The first whole first octet of the class (1 for class A).
    int firstOctet;
    /// The last whole first octet; a fraction above it still belongs to the class (127.9 is A).
    int lastOctet;
    /// The leading bits of the address that name the class ("0", "10", "110", "1110", "1111").
    std::string_view leadingBits;
    /// The network bits the class fixes: 8, 16, 24; 0 for D and E, which have no network field.
    std::int16_t classBits;
    /// The mask that follows the first octet; class C's serves D and E too.
    Address naturalMask;
    /// How many of the mask's first octets must hold a 255 unless the first does: those of the
    /// network field; class D is held to class C's three, class E to none.
    int networkMaskOctets;
    bool operator==(const AddressClass&) const = default;
};

/// The five classes, A first.
inline constexpr std::array<AddressClass, 5> addressClasses = {{
    {'A', 1, 127, "0", 8, 0xFF000000U, 1},
    {'B', 128, 191, "10", 16, 0xFFFF0000U, 2},
    {'C', 192, 223, "110", 24, 0xFFFFFF00U, 3},
    {'D', 224, 239, "1110", 0, 0xFFFFFF00U, 3},
    {'E', 240, 255, "1111", 0, 0xFFFFFF00U, 0},
}};

/// The class of a first octet, by upper bounds alone: the value is compared as read, never
/// rounded (127.9 is class A), and everything below 1 is class A, everything from 240 up class E.
constexpr const AddressClass& addressClass(double firstOctet) {
    for (std::size_t i = 0; i + 1 < addressClasses.size(); ++i)
        if (firstOctet < addressClasses[i].lastOctet + 1) return addressClasses[i];
    return addressClasses.back();
}

/// How many of the mask's first octets must hold a 255 for an address of the class, unless the
/// first does (checks 6 to 8 of the validation chain).
constexpr int networkMaskOctets(const AddressClass& c) {
    return c.networkMaskOctets;
}

}  // namespace octaval
