// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/subnet_list.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>

#include "cli/json_writer.h"
#include "cli/platform.h"
#include "cli/press.h"
#include "engine/number_rules.h"
#include "engine/subnets.h"

namespace octaval {
namespace {

constexpr std::size_t flushSize = 64 * 1024;
constexpr std::size_t addressWidth = 17;  // "255.255.255.255" and two blanks

// The dotted text of an address, in `buffer`.
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

enum class Written { Ok, Closed, Failed };

// Writes all of data; a reader that has gone away (EPIPE) is no failure.
Written writeAll(int fd, std::string_view data, std::string& error) {
    while (!data.empty()) {
        const auto n = platform::writeSome(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            if (errno == EPIPE) return Written::Closed;
            error = std::string("cannot write the list: ") + std::strerror(errno);
            return Written::Failed;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return Written::Ok;
}

// Appends text and blanks up to width (at least one blank).
void appendColumn(std::string& out, std::string_view text, std::size_t width) {
    out += text;
    out.append(text.size() < width ? width - text.size() : 1, ' ');
}

// The texts of one subnet, in buffers of its own.
class RowTexts {
public:
    SubnetRowTexts of(const Subnet& s) {
        const auto end =
            std::to_chars(m_number.data(), m_number.data() + m_number.size(), s.number);
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

private:
    std::array<char, 12> m_number{};
    std::array<char, 16> m_network{}, m_firstHost{}, m_lastHost{}, m_broadcast{};
};

// One aligned text row; a subnet without usable hosts shows "-" for its hosts. The row is
// written into memory that holds the longest row, and cut to its length after.
void appendTextRow(std::string& out, const SubnetRowTexts& row, std::size_t numberWidth,
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

ListResult writeSubnetList(const PressInputs& inputs, bool json, int fd) {
    const Press p = press(inputs);
    const bool passed = passedValidation(p.boxes[Box::Text21]);
    const auto list = passed ? SubnetList::of(p.state) : std::nullopt;
    ListResult result;
    std::string out;
    if (!list) {
        // A rejected input gets the press's own answer; class D and E have no subnet field.
        if (!passed) {
            out = answerPress(p.boxes, json).output;
        } else {
            const std::string message = "Class " + p.boxes[Box::Text17] + " has no subnets";
            if (json) {
                appendErrorJson(out, message);
            } else {
                out = message;
            }
            out += '\n';
        }
        writeAll(fd, out, result.error);
        result.exitStatus = 1;
        return result;
    }

    std::array<char, 16> addressBuffer{};
    const std::string_view address = addressText(list->address(), addressBuffer);
    const std::size_t numberWidth =
        std::max<std::size_t>(8, std::to_string(list->count() - 1).size() + 2);
    out.reserve(flushSize + 256);
    if (!json) {
        appendColumn(out, "Subnet", numberWidth);
        for (const auto caption : {"Network", "First host", "Last host", "Broadcast"})
            appendColumn(out, caption, addressWidth);
        out += "Marks\n";
    }
    RowTexts texts;
    for (std::uint64_t n = 0; n < list->count(); ++n) {
        const SubnetRowTexts row = texts.of(list->subnet(static_cast<std::uint32_t>(n)));
        if (json) {
            appendSubnetJson(out, row);
            out += '\n';
        } else {
            appendTextRow(out, row, numberWidth, address);
        }
        if (out.size() >= flushSize || n + 1 == list->count()) {
            const Written w = writeAll(fd, out, result.error);
            if (w == Written::Closed) return result;
            if (w == Written::Failed) return {1, result.error};
            out.clear();
        }
    }
    return result;
}

}  // namespace octaval
