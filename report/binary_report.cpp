// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/binary_report.h"

#include <array>
#include <optional>
#include <string_view>

#include "engine/subnets.h"
#include "report/rows.h"
#include "report/text_report.h"

namespace octaval {
namespace {

enum class Field : std::uint8_t { None, Network, Subnet, Host };

// Black on light colours. From the 256-colour palette light blue, yellow and green of its fixed
// cube (not of the terminal's own palette), which keeps the contrast above 12:1 on light and dark
// terminals alike. From the 16 colours the bright cyan, yellow and green backgrounds, on which the
// palette's black keeps 4.5:1 in the common palettes (xterm, VGA and the Linux console, Tango,
// Windows' console); their bright blue would not.
std::string_view colourOf(Field field, ColourDepth colours) {
    const bool basic = colours == ColourDepth::basic16;
    switch (colours == ColourDepth::none ? Field::None : field) {
        case Field::Network:
            return basic ? "\x1b[30;106m" : "\x1b[38;5;16;48;5;153m";
        case Field::Subnet:
            return basic ? "\x1b[30;103m" : "\x1b[38;5;16;48;5;229m";
        case Field::Host:
            return basic ? "\x1b[30;102m" : "\x1b[38;5;16;48;5;157m";
        case Field::None:
            break;
    }
    return {};
}
constexpr std::string_view colourEnd = "\x1b[0m";

using Fields = std::array<Field, 32>;  // bit 0 the most significant

Fields fieldsOf(const std::optional<SubnetList>& list) {
    Fields fields{};
    for (int i = 0; list && i < 32; ++i) {
        const Address bit = Address{1} << (31 - i);
        fields[static_cast<std::size_t>(i)] = (list->classField() & bit)    ? Field::Network
                                              : (list->subnetField() & bit) ? Field::Subnet
                                                                            : Field::Host;
    }
    return fields;
}

void appendBits(std::string& out, Address value, const Fields& fields, ColourDepth colours) {
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

void appendLegendItem(std::string& out, Field field, std::string_view text, int bits,
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

std::string binaryReport(const Press& p, ColourDepth colours) {
    std::string out = textReport(p.boxes);
    if (!p.outcome.passed()) return out;

    const auto list = SubnetList::of(p.state);
    const Fields fields = fieldsOf(list);
    if (!list) colours = ColourDepth::none;
    const auto a = pressAddresses(p.state);
    const std::array<Address, 4> values = {a.address, a.mask, a.network, a.broadcast};
    out += '\n';
    for (std::size_t r = 0; r < values.size(); ++r) {
        appendCaption(out, boxRows[r].caption);  // IP address, Subnet mask, Subnet, Broadcast
        appendBits(out, values[r], fields, colours);
        out += '\n';
    }
    appendCaption(out, "Legend");
    if (list) {
        out += "'|' between ";
        appendLegendItem(out, Field::Network, "the class's network bits",
                         32 - list->subnetBits() - list->hostBits(), colours);
        out += ", ";
        appendLegendItem(out, Field::Subnet, "the subnet bits", list->subnetBits(), colours);
        out += " and ";
        appendLegendItem(out, Field::Host, "the host bits", list->hostBits(), colours);
        out += '\n';
    } else {
        out += "class " + p.boxes[Box::Text17] + " has no network, subnet and host fields\n";
    }
    return out;
}

}  // namespace octaval
