// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// octaval-cli --binary: the report of a press, then its addresses bit by bit.

#include "cli/press.h"

namespace octaval {

/// Whether the bits are coloured: fd is a terminal that shows colour and NO_COLOR is unset or
/// empty.
bool colourWanted(int fd);

/// The text report of the press, then (when the press passed the validation chain) the address,
/// the mask, the network and the broadcast address in binary, octets joined by dots, with a '|'
/// wherever the class's network bits, the subnet bits and the host bits meet, and a legend.
/// The exit status is that of the report.
PressAnswer answerBinary(const PressInputs& inputs, bool colour);

}  // namespace octaval
