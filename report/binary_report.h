// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The binary report: the report of a press, then its addresses bit by bit.

#include <string>

#include "report/press.h"

namespace octaval {

/// The text report of the press, then (when the press passed the validation chain) the address,
/// the mask, the network and the broadcast address in binary, octets joined by dots, with a '|'
/// wherever the class's network bits, the subnet bits and the host bits meet, and a legend; with
/// `colour`, each field drawn in a colour of its own by ANSI sequences.
std::string binaryReport(const Press& p, bool colour);

}  // namespace octaval
