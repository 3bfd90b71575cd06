// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The subnets of an address's classful network under a mask, and the three fields of an address
// (the class's network bits, the subnet bits, the host bits), as 32-bit arithmetic on the
// numbers a press has accepted.

#include <cstdint>
#include <optional>

#include "engine/calculator.h"

namespace octaval {

/// The address, the mask, the network and the broadcast address of a press that passed the
/// validation chain, as numbers (the network and broadcast that the press shows).
struct PressAddresses {
    Address address;
    Address mask;
    Address network;
    Address broadcast;
};
PressAddresses pressAddresses(const CalculatorState& state);

/// One subnet of the list.
struct Subnet {
    enum class Reserved : std::uint8_t { No, AllZeros, AllOnes };

    std::uint32_t number;  // 0 .. count() - 1
    Address network;
    Address broadcast;
    Address firstHost;  // network + 1; meaningful only when hasHosts
    Address lastHost;   // broadcast - 1; meaningful only when hasHosts
    bool hasHosts;      // at least two host bits, so that 2 ^ hostBits - 2 hosts are usable
    Reserved reserved;  // the subnet field all zeros or all ones, which the classful rules reserve
    bool holdsAddress;  // the press's address lies in it
};

/// Every subnet of the classful network of a press's address under its mask. The class's
/// network bits are always the network's own; the subnet bits are the mask's one bits after
/// them, and the host bits its zero bits after them. Subnets are numbered by their subnet bits
/// read in the mask's order, the most significant first, so that a subnet field that is not
/// contiguous (masks 255.a.b.0) numbers its subnets in the order of their addresses too.
class SubnetList {
public:
    /// The list after a press that passed the validation chain, from the state it left; nothing
    /// for a class D or E address, which has no network, subnet and host fields.
    static std::optional<SubnetList> of(const CalculatorState& state);

    Address address() const { return m_address; }
    /// The class's network bits: the 8, 16 or 24 most significant bits.
    Address classField() const { return m_classField; }
    Address subnetField() const { return m_subnetField; }
    Address hostField() const { return ~(m_classField | m_subnetField); }
    int subnetBits() const { return m_subnetBits; }
    int hostBits() const { return m_hostBits; }
    /// Whether there are subnet bits and they are one run of bits (they are, but for masks
    /// 255.a.b.0 of a class A address): only then do the subnets follow in steps of one size.
    bool contiguous() const { return m_shift >= 0; }
    /// The number of the subnet that holds the address.
    std::uint32_t addressNumber() const { return m_ownNumber; }
    /// 2 ^ subnetBits.
    std::uint64_t count() const { return std::uint64_t{1} << m_subnetBits; }
    /// The subnets that are neither subnet zero nor the all-ones subnet, which the classful rules
    /// reserve; none without subnet bits.
    std::uint64_t usableCount() const { return m_subnetBits != 0 ? count() - 2 : 0; }

    /// The subnet with the given number, which must be below count().
    Subnet subnet(std::uint32_t number) const;
    /// The number of the subnet that holds `a`; nothing for an address outside the classful
    /// network.
    std::optional<std::uint32_t> numberHolding(Address a) const;

private:
    SubnetList(Address address, Address classField, Address subnetField);

    Address m_address;
    Address m_classField;
    Address m_subnetField;
    Address m_network;  // the classful network: the address's class bits, every other bit 0
    std::uint32_t m_ownNumber;
    int m_subnetBits;
    int m_hostBits;
    int m_shift;  // for a contiguous subnet field, the number of bits below it; else -1
};

}  // namespace octaval
