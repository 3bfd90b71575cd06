// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/binary_report.h"

#include "report/rows.h"
#include "report/text_report.h"

namespace octaval {
namespace {

// Black on light blue, yellow and green from the fixed 256-colour cube (not from the terminal's
// own palette), so that the contrast stays above 12:1 on light and dark terminals alike.
std::string_view colourOf(BitField field) {
    switch (field) {
        case BitField::network:
            return "\x1b[38;5;16;48;5;153m";
        case BitField::subnet:
            return "\x1b[38;5;16;48;5;229m";
        case BitField::host:
            return "\x1b[38;5;16;48;5;157m";
        case BitField::none:
            break;
    }
    return {};
}
constexpr std::string_view colourEnd = "\x1b[0m";

void appendLegendItem(std::string& out, BitField field, std::string_view text, int bits,
                      bool colour) {
    if (colour) out += colourOf(field);
    out += text;
    out += " (";
    out += std::to_string(bits);
    out += ')';
    if (colour) out += colourEnd;
}

}  // namespace

BitFields bitFields(const std::optional<SubnetList>& list) {
    BitFields fields{};
    for (int i = 0; list && i < 32; ++i) {
        const Address bit = Address{1} << (31 - i);
        fields[static_cast<std::size_t>(i)] = (list->classField() & bit)    ? BitField::network
                                              : (list->subnetField() & bit) ? BitField::subnet
                                                                            : BitField::host;
    }
    return fields;
}

std::array<BitRow, 4> bitRows(const CalculatorState& state) {
    const auto a = pressAddresses(state);
    // The captions of the window's rows IP address, Subnet mask, Subnet and Broadcast.
    return {{{boxRows[0].caption, a.address},
             {boxRows[1].caption, a.mask},
             {boxRows[2].caption, a.network},
             {boxRows[3].caption, a.broadcast}}};
}

void appendBits(std::string& out, Address value, const BitFields& fields, bool colour) {
    for (std::size_t i = 0; i < 32; ++i) {
        const bool change = i > 0 && fields[i] != fields[i - 1];
        if (change && colour) out += colourEnd;
        if (i > 0 && i % 8 == 0) out += '.';
        if (change) out += '|';
        if ((change || i == 0) && colour) out += colourOf(fields[i]);
        out += ((value >> (31 - i)) & 1U) != 0 ? '1' : '0';
    }
    if (colour) out += colourEnd;
}

std::string binaryRows(const Press& p, bool colour) {
    std::string out;
    if (!p.outcome.passed()) return out;
    const auto list = SubnetList::of(p.state);
    const BitFields fields = bitFields(list);
    colour = colour && list.has_value();
    for (const BitRow& row : bitRows(p.state)) {
        appendCaption(out, row.caption);
        appendBits(out, row.value, fields, colour);
        out += '\n';
    }
    appendCaption(out, "Legend");
    if (list) {
        out += "'|' between ";
        appendLegendItem(out, BitField::network, "the class's network bits",
                         32 - list->subnetBits() - list->hostBits(), colour);
        out += ", ";
        appendLegendItem(out, BitField::subnet, "the subnet bits", list->subnetBits(), colour);
        out += " and ";
        appendLegendItem(out, BitField::host, "the host bits", list->hostBits(), colour);
        out += '\n';
    } else {
        out += "class " + p.boxes[Box::Text17] + " has no network, subnet and host fields\n";
    }
    return out;
}

std::string binaryReport(const Press& p, bool colour) {
    std::string out = textReport(p.boxes);
    if (!p.outcome.passed()) return out;
    out += '\n';
    out += binaryRows(p, colour);
    return out;
}

}  // namespace octaval
