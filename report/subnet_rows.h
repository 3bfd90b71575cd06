// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rows of the subnet list as text: aligned columns under a header, RFC 4180 CSV, or JSON
// Lines; and the search for the row that holds an address.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>

#include "engine/subnets.h"
#include "report/captions.h"

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
    csv,        // RFC 4180: a header record, the text's columns, CRLF; empty hosts when none
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
    /// One cell as the text list shows it: "-" for the hosts of a subnet without any, the marks
    /// "reserved, all zeros", "holds 10.1.2.3", both joined by "; ", or nothing.
    std::string cellText(std::uint32_t number, SubnetColumn column);

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

/// Writes the header and every row of the list, in pieces of about 64 KiB, to `write`, which
/// returns false to stop; the memory used does not grow with the list. False when it stopped.
bool writeSubnetRows(const SubnetList& list, ListFormat format,
                     const std::function<bool(std::string_view)>& write);

/// Why a search names no subnet, with the text it names (without the blanks around it; an
/// address as dotted decimals).
struct SubnetMiss {
    enum class Why : unsigned char {
        empty,         // nothing typed
        pastLast,      // a number past the last subnet
        notAnAddress,  // neither digits nor four octets
        outside,       // an address outside the network
    } why;
    std::string text;
};

/// The number of the subnet that a search names: decimal digits are a subnet's number, an
/// address names the subnet that holds it. For any other text, a number past the last subnet
/// or an address outside the network, why it names none.
std::variant<std::uint32_t, SubnetMiss> findSubnet(const SubnetList& list, std::string_view text);

/// The line that stands in for the list of a class D or E address ("Class D has no subnets").
std::string noSubnetsMessage(std::string_view classLetter);

}  // namespace octaval
