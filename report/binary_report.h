// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The binary report: the report of a press, then its addresses bit by bit, each bit marked with
// the field it belongs to.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/subnets.h"
#include "report/phrasebook.h"
#include "report/press.h"

namespace octaval {

/// The colours a terminal shows, as far as the program can tell.
enum class ColourDepth : unsigned char {
    none,        // no colour sequences at all
    basic16,     // the 16 colours of the terminal's own palette
    palette256,  // the 256-colour palette, whose colours from 16 on are fixed
};

/// The field a bit of an address belongs to: the class's network bits, the subnet bits or the
/// host bits; none for a class D or E address, which has no fields.
enum class BitField : std::uint8_t { none, network, subnet, host };

/// The field of each bit, bit 0 the most significant.
using BitFields = std::array<BitField, 32>;

/// The fields of a press's subnet list; all none without a list.
BitFields bitFields(const std::optional<SubnetList>& list);

/// One address of the bit rows, with the caption of its row in the window.
struct BitRow {
    std::string_view caption;
    Address value;
};

/// The address, the mask, the network and the broadcast address of a press that passed the
/// validation chain.
std::array<BitRow, 4> bitRows(const CalculatorState& state);

/// Appends the 32 bits of an address, octets joined by dots, with a '|' wherever two fields meet;
/// with colours, each field drawn black on a light colour of its own by ANSI sequences.
void appendBits(std::string& out, Address value, const BitFields& fields, ColourDepth colours);

/// The bit rows of a press that passed the validation chain, each after its caption, and a
/// legend line, in the words of the phrasebook; nothing for a press that did not pass.
std::string binaryRows(const Press& p, ColourDepth colours,
                       const Phrasebook& book = Phrasebook::english());

/// The legend of a class D or E address, whose bits have no fields.
std::string noFieldsLegend(const Phrasebook& book, std::string_view classLetter);

/// The text report of the press, then (when the press passed the validation chain) a blank line
/// and its binaryRows.
std::string binaryReport(const Press& p, ColourDepth colours);

}  // namespace octaval
