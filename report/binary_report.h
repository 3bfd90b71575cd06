// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The binary report: the report of a press, then its addresses bit by bit.

#include <string>

#include "report/press.h"

namespace octaval {

/// The colours a terminal shows, as far as the program can tell.
enum class ColourDepth : unsigned char {
    none,        // no colour sequences at all
    basic16,     // the 16 colours of the terminal's own palette
    palette256,  // the 256-colour palette, whose colours from 16 on are fixed
};

/// The text report of the press, then (when the press passed the validation chain) the address,
/// the mask, the network and the broadcast address in binary, octets joined by dots, with a '|'
/// wherever the class's network bits, the subnet bits and the host bits meet, and a legend; with
/// colours, each field drawn black on a light colour of its own by ANSI sequences.
std::string binaryReport(const Press& p, ColourDepth colours);

}  // namespace octaval
