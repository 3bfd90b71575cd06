// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/boxes.h"

namespace octaval {

/// The window's rows as aligned lines of text, each with the window's caption ("IP address" ...
/// "Subnet N"), the octets of a row joined by dots; rows whose boxes hold only blanks are left
/// out. The status message follows on a line of its own.
std::string textReport(const MemoryBoxes& boxes);

}  // namespace octaval
