// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/binary_report.h"

#include <vector>

#include "report/captions.h"
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

std::string noFieldsLegend(const Phrasebook& book, std::string_view classLetter) {
    return book.say(phrase("Working", "class %1 has no network, subnet and host fields"),
                    {classLetter});
}

std::string binaryRows(const Press& p, ColourDepth colours, const Phrasebook& book) {
    std::string out;
    if (!p.outcome.passed()) return out;
    const auto list = SubnetList::of(p.state);
    const BitFields fields = bitFields(list);
    if (!list) colours = ColourDepth::none;
    // The captions in a column as wide as the text report's.
    std::vector<std::string> captions;
    for (const BoxRow& row : boxRows)
        captions.push_back(book.caption(row.caption));
    captions.push_back(book.say(phrase("Working", "Legend")));
    const std::size_t width = captionColumn(captions);
    for (const BitRow& row : bitRows(p.state)) {
        appendCaption(out, book.caption(row.caption), width);
        appendBits(out, row.value, fields, colours);
        out += '\n';
    }
    appendCaption(out, captions.back(), width);
    if (list) {
        const auto item = [&](BitField field, Phrase text, int bits) {
            std::string item;
            if (colours != ColourDepth::none) item += colourOf(field, colours);
            item += book.say(text, {std::to_string(bits)});
            if (colours != ColourDepth::none) item += colourEnd;
            return item;
        };
        out += book.say(
            phrase("Working", "'|' between %1, %2 and %3"),
            {item(BitField::network, phrase("Working", "the class's network bits (%1)"),
                  32 - list->subnetBits() - list->hostBits()),
             item(BitField::subnet, phrase("Working", "the subnet bits (%1)"), list->subnetBits()),
             item(BitField::host, phrase("Working", "the host bits (%1)"), list->hostBits())});
    } else {
        out += noFieldsLegend(book, p.boxes[Box::Text17]);
    }
    out += '\n';
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
