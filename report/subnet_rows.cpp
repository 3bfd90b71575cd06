// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/subnet_rows.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "engine/number_rules.h"
#include "report/json_writer.h"

namespace octaval {
namespace {

constexpr std::size_t addressWidth = 17;  // "255.255.255.255" and two blanks

// Appends text and blanks up to width (at least one blank).
void appendColumn(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    out.append(text.size() < width ? width - text.size() : 1, ' ');
}

// One aligned text row; a subnet without usable hosts shows "-" for its hosts. The row is
// written into memory that holds the longest row, and cut to its length after.
[[gnu::always_inline]] inline void appendTextRow(std::string& out, const SubnetRowTexts& row,
                                                 std::size_t numberWidth,
                                                 std::string_view address) {
    const std::size_t start = out.size();
    out.resize(start + numberWidth + 5 * addressWidth + 32 + address.size());
    char* at = out.data() + start;
    const auto put = [&at](std::string_view text) {
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    };
    const auto column = [&](std::string_view text, std::size_t width) {
        put(text);
        const std::size_t blanks = text.size() < width ? width - text.size() : 1;
        std::memset(at, ' ', blanks);
        at += blanks;
    };
    column(row.number, numberWidth);
    column(row.network, addressWidth);
    column(row.firstHost.empty() ? "-" : row.firstHost, addressWidth);
    column(row.lastHost.empty() ? "-" : row.lastHost, addressWidth);
    if (row.reserved.empty() && !row.holdsAddress) {
        put(row.broadcast);
    } else {
        column(row.broadcast, addressWidth);
    }
    if (!row.reserved.empty()) {
        put("reserved, ");
        put(row.reserved);
        if (row.holdsAddress) put("; ");
    }
    if (row.holdsAddress) {
        put("holds ");
        put(address);
    }
    put("\n");
    out.resize(static_cast<std::size_t>(at - out.data()));
}

}  // namespace

std::string_view addressText(Address a, std::array<char, 16>& buffer) {
    char* out = buffer.data();
    for (int shift = 24; shift >= 0; shift -= 8) {
        const std::string_view octet = octetText(static_cast<int>((a >> shift) & 255));
        std::memcpy(out, octet.data(), octet.size());
        out += octet.size();
        *out++ = '.';
    }
    return {buffer.data(), static_cast<std::size_t>(out - buffer.data() - 1)};
}

SubnetListWriter::SubnetListWriter(const SubnetList& list, ListFormat format)
    : m_list(list),
      m_format(format),
      m_address(addressText(list.address(), m_addressBuffer)),
      m_numberWidth(std::max<std::size_t>(8, std::to_string(list.count() - 1).size() + 2)) {}

void SubnetListWriter::appendHeader(std::string& out) const {
    if (m_format != ListFormat::text) return;
    appendColumn(out, "Subnet", m_numberWidth);
    for (const auto caption : {"Network", "First host", "Last host", "Broadcast"})
        appendColumn(out, caption, addressWidth);
    out += "Marks\n";
}

// Both inlined into the loop of appendRows: a list writes millions of rows.
[[gnu::always_inline]] inline SubnetRowTexts SubnetListWriter::texts(std::uint32_t number) {
    const Subnet s = m_list.subnet(number);
    const auto end = std::to_chars(m_number.data(), m_number.data() + m_number.size(), s.number);
    SubnetRowTexts row{};
    row.number = {m_number.data(), static_cast<std::size_t>(end.ptr - m_number.data())};
    row.network = addressText(s.network, m_network);
    row.broadcast = addressText(s.broadcast, m_broadcast);
    if (s.hasHosts) {
        row.firstHost = addressText(s.firstHost, m_firstHost);
        row.lastHost = addressText(s.lastHost, m_lastHost);
    }
    if (s.reserved == Subnet::Reserved::AllZeros) row.reserved = "all zeros";
    if (s.reserved == Subnet::Reserved::AllOnes) row.reserved = "all ones";
    row.holdsAddress = s.holdsAddress;
    return row;
}

[[gnu::always_inline]] inline void SubnetListWriter::put(std::string& out, std::uint32_t number) {
    const SubnetRowTexts row = texts(number);
    if (m_format == ListFormat::jsonLines) {
        appendSubnetJson(out, row);
        out += '\n';
    } else {
        appendTextRow(out, row, m_numberWidth, m_address);
    }
}

SubnetRowTexts SubnetListWriter::rowTexts(std::uint32_t number) {
    return texts(number);
}

void SubnetListWriter::appendRow(std::string& out, std::uint32_t number) {
    put(out, number);
}

std::uint64_t SubnetListWriter::appendRows(std::string& out, std::uint64_t first,
                                           std::size_t size) {
    std::uint64_t n = first;
    for (; n < m_list.count() && out.size() < size; ++n)
        put(out, static_cast<std::uint32_t>(n));
    return n;
}

std::string noSubnetsMessage(std::string_view classLetter) {
    std::string message = "Class ";
    message += classLetter;
    message += " has no subnets";
    return message;
}

}  // namespace octaval
