// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/boxes.h"

namespace octaval {

/// What octaval-cli prints for the boxes: the window's rows with their captions, less the rows
/// that hold only blanks, then the status message on a line of its own.
std::string textReport(const BoxAccess& boxes);

}  // namespace octaval
