// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of the subnet list as text: aligned columns under a header, or JSON Lines.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/subnets.h"

namespace octaval {

/// The texts of one row of the subnet list: digits, dots and the list's fixed words, never a
/// byte that needs an escape.
struct SubnetRowTexts {
    std::string_view number;     // decimal digits
    std::string_view network;    // dotted addresses ...
    std::string_view firstHost;  // ... the two hosts empty for a subnet without usable hosts
    std::string_view lastHost;
    std::string_view broadcast;
    std::string_view reserved;  // "all zeros", "all ones" or empty
    bool holdsAddress;
};

/// The dotted text of an address ("10.1.2.3"), written into `buffer`.
std::string_view addressText(Address a, std::array<char, 16>& buffer);

/// How the list is written.
enum class ListFormat : unsigned char {
    text,       // a header, then aligned columns; "-" for the hosts of a subnet without any
    jsonLines,  // one object a row, with the keys of appendSubnetJson
};

/// Writes the rows of one subnet list, each into memory the caller owns, so that a list of
/// millions of rows streams in constant memory.
class SubnetListWriter {
public:
    SubnetListWriter(const SubnetList& list, ListFormat format);

    /// Appends the header line (nothing in JSON Lines).
    void appendHeader(std::string& out) const;
    /// Appends the row of subnet `number`, line feed included.
    void appendRow(std::string& out, std::uint32_t number);
    /// Appends the rows from subnet `first` on until `out` holds at least `size` bytes or the
    /// list ends; returns the number of the next row, count() after the last.
    std::uint64_t appendRows(std::string& out, std::uint64_t first, std::size_t size);
    /// The texts of the row of subnet `number`; they stay valid until the next call.
    SubnetRowTexts rowTexts(std::uint32_t number);

private:
    SubnetRowTexts texts(std::uint32_t number);
    void put(std::string& out, std::uint32_t number);

    const SubnetList& m_list;
    ListFormat m_format;
    std::array<char, 16> m_addressBuffer{};
    std::string_view m_address;  // the press's address, as the marks name it
    std::size_t m_numberWidth;
    std::array<char, 12> m_number{};
    std::array<char, 16> m_network{}, m_firstHost{}, m_lastHost{}, m_broadcast{};
};

/// Why a class D or E address has no subnet list ("Class D has no subnets").
std::string noSubnetsMessage(std::string_view classLetter);

}  // namespace octaval
