// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/binary_report.h"

#include "report/rows.h"
#include "report/text_report.h"

namespace octaval {
namespace {

// Black on light colours. From the 256-colour palette light blue, yellow and green of its fixed
// cube (not of the terminal's own palette), which keeps the contrast above 12:1 on light and dark
// terminals alike. From the 16 colours the bright cyan, yellow and green backgrounds, on which the
// palette's black keeps 4.5:1 in the common palettes (xterm, VGA and the Linux console, Tango,
// Windows' console); their bright blue would not.
std::string_view colourOf(BitField field, ColourDepth colours) {
    const bool basic = colours == ColourDepth::basic16;
    switch (colours == ColourDepth::none ? BitField::none : field) {
        case BitField::network:
            return basic ? "\x1b[30;106m" : "\x1b[38;5;16;48;5;153m";
        case BitField::subnet:
            return basic ? "\x1b[30;103m" : "\x1b[38;5;16;48;5;229m";
        case BitField::host:
            return basic ? "\x1b[30;102m" : "\x1b[38;5;16;48;5;157m";
        case BitField::none:
            break;
    }
    return {};
}
constexpr std::string_view colourEnd = "\x1b[0m";

void appendLegendItem(std::string& out, BitField field, std::string_view text, int bits,
                      ColourDepth colours) {
    const bool colour = colours != ColourDepth::none;
    if (colour) out += colourOf(field, colours);
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

void appendBits(std::string& out, Address value, const BitFields& fields, ColourDepth colours) {
    const bool colour = colours != ColourDepth::none;
    for (std::size_t i = 0; i < 32; ++i) {
        const bool change = i > 0 && fields[i] != fields[i - 1];
        if (change && colour) out += colourEnd;
        if (i > 0 && i % 8 == 0) out += '.';
        if (change) out += '|';
        if ((change || i == 0) && colour) out += colourOf(fields[i], colours);
        out += ((value >> (31 - i)) & 1U) != 0 ? '1' : '0';
    }
    if (colour) out += colourEnd;
}

std::string binaryRows(const Press& p, ColourDepth colours) {
    std::string out;
    if (!p.outcome.passed()) return out;
    const auto list = SubnetList::of(p.state);
    const BitFields fields = bitFields(list);
    if (!list) colours = ColourDepth::none;
    for (const BitRow& row : bitRows(p.state)) {
        appendCaption(out, row.caption);
        appendBits(out, row.value, fields, colours);
        out += '\n';
    }
    appendCaption(out, "Legend");
    if (list) {
        out += "'|' between ";
        appendLegendItem(out, BitField::network, "the class's network bits",
                         32 - list->subnetBits() - list->hostBits(), colours);
        out += ", ";
        appendLegendItem(out, BitField::subnet, "the subnet bits", list->subnetBits(), colours);
        out += " and ";
        appendLegendItem(out, BitField::host, "the host bits", list->hostBits(), colours);
        out += '\n';
    } else {
        out += "class " + p.boxes[Box::Text17] + " has no network, subnet and host fields\n";
    }
    return out;
}

std::string binaryReport(const Press& p, ColourDepth colours) {
    std::string out = textReport(p.boxes);
    if (!p.outcome.passed()) return out;
    out += '\n';
    out += binaryRows(p, colours);
    return out;
}

}  // namespace octaval
