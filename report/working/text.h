// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working as text: octaval-cli --explain prints it, and the Working window shows and copies
// it.

#include <string>

#include "report/working/explanation.h"

namespace octaval {

/// The steps, numbered, one a line ("1. Class: ..."), in the explanation's words.
std::string stepsText(const Explanation& e);

/// The heading line that names the address, the mask and the status, in the explanation's words.
std::string workingHeading(const Explanation& e);

/// The whole working as text: the heading line, the bit rows (when the press passed the
/// validation chain), then the steps, each part after a blank line. octaval-cli --explain prints
/// it, and the Working window copies it.
std::string workingText(const Explanation& e);

}  // namespace octaval
