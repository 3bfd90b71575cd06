// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calculation engine: the calculator state, one press of "Recalculate" from the eight input
// boxes to every output box, and the natural mask that follows the first octet.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/address_class.h"
#include "engine/bit_vector.h"
#include "engine/boxes.h"
#include "engine/number_rules.h"
#include "engine/phrase.h"

namespace octaval {

/// The fixed texts of the status box.
namespace status {
inline constexpr std::string_view ok = phrase("Status", "OK").source;
inline constexpr std::string_view illegalIpAddress = phrase("Status", "Illegal IP address").source;
inline constexpr std::string_view illegalSubnetMask =
    phrase("Status", "Illegal subnet mask").source;
inline constexpr std::string_view illegalMaskVersusClass =
    phrase("Status", "Illegal subnet mask versus network class").source;
inline constexpr std::string_view subnetAllZeros =
    phrase("Status", "Illegal subnet (all zeros) or use subnet-zero").source;
inline constexpr std::string_view subnetAllOnes =
    phrase("Status", "Illegal subnet (all ones)").source;
inline constexpr std::string_view noHosts = phrase("Status", "No host(s)").source;
inline constexpr std::string_view hostAllZeros =
    phrase("Status", "Illegal host ip address (all zeros = network)").source;
inline constexpr std::string_view hostAllOnes =
    phrase("Status", "Illegal host ip address (all ones = broadcast)").source;

/// Every message, "OK" first.
inline constexpr std::array<std::string_view, 9> all = {ok,
                                                        illegalIpAddress,
                                                        illegalSubnetMask,
                                                        illegalMaskVersusClass,
                                                        subnetAllZeros,
                                                        subnetAllOnes,
                                                        noHosts,
                                                        hostAllZeros,
                                                        hostAllOnes};
}  // namespace status

/// The calculator state of one window; it persists from one press to the next. Octets are held
/// 0-based (ipOctet[0] is the first octet); bit vectors keep their 1-based entries.
struct CalculatorState {
    BitVector firstSubnetBit{};
    BitVector lastSubnetBit{};
    BitVector ipBit{};
    BitVector netBit{};
    std::array<double, 4> ipOctet{};
    std::array<double, 4> maskOctet{};
    std::array<std::int32_t, 4> netOctet{};
    std::int16_t classBits = 0;
    std::int16_t subnetBits = 0;
    std::int16_t hostBits = 0;
};

/// The accepted mask-octet values, in the order in which they are compared.
inline constexpr std::array<int, 9> acceptedMaskOctets = {255, 254, 252, 248, 240,
                                                          224, 192, 128, 0};

/// Whether a mask octet is exactly one of the accepted values.
bool isAcceptedMaskOctet(double octet);

/// Where a press of "Recalculate" stopped before its results: at reading a row whose text is no
/// number that can be converted, or at the first check of the validation chain that holds.
enum class Rejection : std::uint8_t {
    none,
    addressUnreadable,  // an address text beyond the number range, or a fourth octet that does
                        // not round into the 16-bit range
    maskUnreadable,     // a mask text beyond the number range
    illegalAddress,     // check 1: an octet that is no whole number 0..255, or a first octet 0
    maskOctetValue,     // checks 2 to 5: a mask octet that is none of the nine accepted values
    maskVersusClass,    // checks 6 to 8: no 255 within the network octets of the address's class
    maskShape,          // checks 9 to 11: the mask's octets do not fall from left to right
};

/// What a press found in a subnet field and a host field that passed the validation chain;
/// each finding replaces the status of the one before, in this order.
struct Findings {
    bool subnetAllZeros = false;
    bool subnetAllOnes = false;
    bool noHosts = false;  // ends the press: no host field to test, no first and last subnet
    bool hostAllZeros = false;
    bool hostAllOnes = false;
    bool operator==(const Findings&) const = default;
};

/// How a press of "Recalculate" ended, so that no caller needs to read the status box to know.
struct PressOutcome {
    Rejection rejection = Rejection::none;
    Findings findings{};

    /// Whether the press passed the validation chain and showed its results.
    bool passed() const { return rejection == Rejection::none; }
    /// Whether the status box reads "OK".
    bool ok() const { return passed() && findings == Findings{}; }
    /// The status message the press left in Text21.
    std::string_view status() const;
    bool operator==(const PressOutcome&) const = default;
};

/// What a press shows, as numbers: everything a report, the working, a translated window or the
/// practice says about a press is made from these, never read back from a box text. A rejected
/// press has none (addressClass is null, everything else zero); how the press ended and what it
/// found in the subnet and host fields is its PressOutcome.
struct PressNumbers {
    /// The class of the first octet (Text17); null when the press was rejected.
    const AddressClass* addressClass = nullptr;
    /// The network (Text9..Text12) and broadcast (Text13..Text16) addresses.
    Address network = 0;
    Address broadcast = 0;
    /// The class's network bits, the mask's bits beyond them counted octet by octet, and the
    /// rest; they sum to 32 (class D and E: 0, 0 and 32).
    int networkBits = 0;
    int subnetBits = 0;
    int hostBits = 0;
    /// Whether Text18..Text20 show the class, subnet and host lines: a class A, B or C address
    /// with host bits. Class D and E show a line of their own in Text18, no host bits none.
    bool hasLines = false;
    /// 2 ^ subnetBits - 2 and 2 ^ hostBits - 2, as the lines show them; 0 for a field of no
    /// bits, which the subnet line shows as "no subnets".
    std::uint64_t usableSubnets = 0;
    std::uint64_t usableHosts = 0;
    /// Whether the press shows a first and a last usable subnet (Text26..Text33): a subnet field
    /// of two bits or more under a mask that leaves host bits.
    bool hasSubnetRange = false;
    /// The network address with its subnet field set to 0...01 and to 1...10.
    Address firstSubnet = 0;
    Address lastSubnet = 0;
    bool operator==(const PressNumbers&) const = default;
};

/// One press: how it ended and what it showed.
struct PressResult {
    PressOutcome outcome;
    PressNumbers numbers;
};

/// Fills ipBit from ipOctet; false when the fourth octet does not round into the 16-bit range.
bool IpToBits(CalculatorState& state);

/// Fills netBit from netOctet.
void NetToBits(CalculatorState& state);

/// One press of "Recalculate": reads Text1..Text8, validates the address and mask, and shows
/// network, broadcast, class, bit counts, findings and the first and last usable subnet. Every
/// output box and the status box are written once; an output the press leaves empty holds " ".
/// Returns how the press ended and its numbers.
PressResult Recalculate(CalculatorState& state, BoxAccess& boxes);

/// The natural mask texts of the class that a first-octet text falls in: "255","0","0","0" below
/// 128, "255","255","0","0" below 192, "255","255","255","0" from 192 up.
std::array<std::string_view, 4> naturalMask(std::string_view firstOctetText);

/// Rewrites Text5..Text8 with the natural mask of Text1's text.
void ApplyNaturalMask(BoxAccess& boxes);

}  // namespace octaval
