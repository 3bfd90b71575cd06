// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/subnets.h"

#include <bit>
#include <cassert>

namespace octaval {
namespace {

// Octets that passed the validation chain are whole numbers from 0 to 255.
Address addressOf(const std::array<double, 4>& octets) {
    Address a = 0;
    for (const double octet : octets) {
        assert(octet >= 0 && octet <= 255 && static_cast<Address>(octet) == octet);
        a = (a << 8) | static_cast<Address>(octet);
    }
    return a;
}

// The bits of `number`, least significant first, placed into the one bits of `field`, lowest
// first; the inverse of gather.
Address scatter(std::uint32_t number, Address field) {
    Address out = 0;
    for (; field != 0; field &= field - 1, number >>= 1)
        if (number & 1U) out |= field & (~field + 1);
    return out;
}

// The bits of `address` under the one bits of `field`, lowest first, packed into a number.
std::uint32_t gather(Address address, Address field) {
    std::uint32_t number = 0;
    for (std::uint32_t bit = 1; field != 0; field &= field - 1, bit <<= 1)
        if (address & field & (~field + 1)) number |= bit;
    return number;
}

}  // namespace

PressAddresses pressAddresses(const CalculatorState& state) {
    const Address address = addressOf(state.ipOctet);
    const Address mask = addressOf(state.maskOctet);
    return {address, mask, address & mask, (address & mask) | ~mask};
}

std::optional<SubnetList> SubnetList::of(const CalculatorState& state) {
    const int classBits = addressClass(state.ipOctet[0]).classBits;
    if (classBits == 0) return std::nullopt;  // class D or E
    const auto [address, mask, network, broadcast] = pressAddresses(state);
    const Address classField = ~Address{0} << (32 - classBits);
    const SubnetList list(address, classField, mask & ~classField);
    // Every accepted mask octet is a run of leading ones, so the press's octet-by-octet count
    // of the subnet bits is the number of the mask's one bits after the class bits.
    assert(list.subnetBits() == state.subnetBits);
    return list;
}

SubnetList::SubnetList(Address address, Address classField, Address subnetField)
    : m_address(address),
      m_classField(classField),
      m_subnetField(subnetField),
      m_network(address & classField),
      m_ownNumber(gather(address, subnetField)),
      m_subnetBits(std::popcount(subnetField)),
      m_hostBits(32 - std::popcount(classField) - m_subnetBits),
      m_shift(-1) {
    const int low = std::countr_zero(subnetField);
    if (subnetField != 0 && (subnetField >> low) + 1 == Address{1} << m_subnetBits) m_shift = low;
}

Subnet SubnetList::subnet(std::uint32_t number) const {
    assert(number < count());
    // The fast way for the usual contiguous field; the general one for masks 255.a.b.0.
    const Address field = m_shift >= 0 ? number << m_shift : scatter(number, m_subnetField);
    Subnet s{};
    s.number = number;
    s.network = m_network | field;
    s.broadcast = s.network | hostField();
    s.firstHost = s.network + 1;
    s.lastHost = s.broadcast - 1;
    s.hasHosts = m_hostBits >= 2;
    if (m_subnetBits > 0 && number == 0) s.reserved = Subnet::Reserved::AllZeros;
    if (m_subnetBits > 0 && number == count() - 1) s.reserved = Subnet::Reserved::AllOnes;
    s.holdsAddress = number == m_ownNumber;
    return s;
}

std::optional<std::uint32_t> SubnetList::numberHolding(Address a) const {
    if ((a & m_classField) != m_network) return std::nullopt;
    return m_shift >= 0 ? (a & m_subnetField) >> m_shift : gather(a, m_subnetField);
}

}  // namespace octaval
