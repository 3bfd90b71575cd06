// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/subnet_rows.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "engine/number_rules.h"
#include "report/address_text.h"
#include "report/json_writer.h"

namespace octaval {
namespace {

constexpr std::size_t addressWidth = 17;  // "255.255.255.255" and two blanks
constexpr std::size_t flushSize = 64 * 1024;

// Appends text and blanks up to width (at least one blank).
void appendColumn(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    out.append(text.size() < width ? width - text.size() : 1, ' ');
}

// Gives the pieces of a row's marks to put: "reserved, all zeros", "holds 10.1.2.3", both
// joined by "; ", or nothing.
template <typename Put>
void marksPieces(const SubnetRowTexts& row, std::string_view address, Put&& put) {
    if (!row.reserved.empty()) {
        put("reserved, ");
        put(row.reserved);
        if (row.holdsAddress) put("; ");
    }
    if (row.holdsAddress) {
        put("holds ");
        put(address);
    }
}

// Writes one row into memory that holds the longest row, and cuts it to its length after: a
// list writes millions of rows. `fill` gets put(text) and blanks(n).
template <typename Fill>
[[gnu::always_inline]] inline void appendRowText(std::string& out, std::size_t longest,
                                                 Fill&& fill) {
    const std::size_t start = out.size();
    out.resize(start + longest);
    char* at = out.data() + start;
    const auto put = [&at](std::string_view text) {
        // An empty field (the hosts of a subnet without any) may have no data at all, which
        // memcpy must not be given.
        if (text.empty()) return;
        std::memcpy(at, text.data(), text.size());
        at += text.size();
    };
    const auto blanks = [&at](std::size_t n) {
        std::memset(at, ' ', n);
        at += n;
    };
    fill(put, blanks);
    out.resize(static_cast<std::size_t>(at - out.data()));
}

// One aligned text row; a subnet without usable hosts shows "-" for its hosts.
[[gnu::always_inline]] inline void appendTextRow(std::string& out, const SubnetRowTexts& row,
                                                 std::size_t numberWidth,
                                                 std::string_view address) {
    const std::size_t start = out.size();
    out.resize(start + numberWidth + 5 * addressWidth + 32 + address.size());
    char* at = out.data() + start;
    // Every text of a text row holds at least one character.
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
    marksPieces(row, address, put);
    put("\n");
    out.resize(static_cast<std::size_t>(at - out.data()));
}

// One CSV record. Only the marks can hold a comma ("reserved, all ones"), and no field a quote
// or a line break: a field with marks is quoted, the others need no quotes.
[[gnu::always_inline]] inline void appendCsvRow(std::string& out, const SubnetRowTexts& row,
                                                std::string_view address) {
    appendRowText(out, 5 * 16 + 40 + address.size(), [&](const auto& put, const auto&) {
        for (const auto field :
             {row.number, row.network, row.firstHost, row.lastHost, row.broadcast}) {
            put(field);
            put(",");
        }
        if (!row.reserved.empty() || row.holdsAddress) {
            put("\"");
            marksPieces(row, address, put);
            put("\"");
        }
        put("\r\n");
    });
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
    if (m_format == ListFormat::csv) {
        for (const auto caption : subnetColumnCaptions) {
            out += caption;
            out += caption == subnetColumnCaptions.back() ? "\r\n" : ",";
        }
    }
    if (m_format != ListFormat::text) return;
    appendColumn(out, subnetColumnCaptions[0], m_numberWidth);
    for (std::size_t c = 1; c < subnetColumnCaptions.size() - 1; ++c)
        appendColumn(out, subnetColumnCaptions[c], addressWidth);
    out += subnetColumnCaptions.back();
    out += '\n';
}

// Both inlined into the loop of writeSubnetRows: a list writes millions of rows.
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
    switch (m_format) {
        case ListFormat::jsonLines:
            appendSubnetJson(out, row);
            out += '\n';
            break;
        case ListFormat::csv:
            appendCsvRow(out, row, m_address);
            break;
        case ListFormat::text:
            appendTextRow(out, row, m_numberWidth, m_address);
            break;
    }
}

SubnetRowTexts SubnetListWriter::rowTexts(std::uint32_t number) {
    return texts(number);
}

std::string SubnetListWriter::cellText(std::uint32_t number, SubnetColumn column) {
    const SubnetRowTexts row = rowTexts(number);
    const auto host = [](std::string_view text) { return std::string(text.empty() ? "-" : text); };
    switch (column) {
        case SubnetColumn::number:
            return std::string(row.number);
        case SubnetColumn::network:
            return std::string(row.network);
        case SubnetColumn::firstHost:
            return host(row.firstHost);
        case SubnetColumn::lastHost:
            return host(row.lastHost);
        case SubnetColumn::broadcast:
            return std::string(row.broadcast);
        case SubnetColumn::marks:
            break;
    }
    std::string marks;
    marksPieces(row, m_address, [&marks](std::string_view text) { marks += text; });
    return marks;
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

bool writeSubnetRows(const SubnetList& list, ListFormat format,
                     const std::function<bool(std::string_view)>& write) {
    SubnetListWriter writer(list, format);
    std::string out;
    out.reserve(flushSize + 256);
    writer.appendHeader(out);
    for (std::uint64_t n = 0; n < list.count(); out.clear()) {
        n = writer.appendRows(out, n, flushSize);
        if (!write(out)) return false;
    }
    return true;
}

std::variant<std::uint32_t, SubnetMiss> findSubnet(const SubnetList& list, std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return SubnetMiss{SubnetMiss::Why::empty, {}};
    if (isDecimal(text)) {
        // Too many digits for any number is past any subnet too.
        if (const auto number = readDecimal(text); number && *number < list.count())
            return static_cast<std::uint32_t>(*number);
        return SubnetMiss{SubnetMiss::Why::pastLast, std::string(text)};
    }
    const auto octets = readDottedQuad(text);
    if (!octets) return SubnetMiss{SubnetMiss::Why::notAnAddress, std::string(text)};
    Address a = 0;
    for (const std::uint8_t octet : *octets)
        a = (a << 8) | octet;
    if (const auto number = list.numberHolding(a)) return *number;
    std::array<char, 16> typed{};
    return SubnetMiss{SubnetMiss::Why::outside, std::string(addressText(a, typed))};
}

std::string noSubnetsMessage(std::string_view classLetter) {
    std::string message = "Class ";
    message += classLetter;
    message += " has no subnets";
    return message;
}

}  // namespace octaval
