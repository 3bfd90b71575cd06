// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/arguments.h"

namespace octaval {

/// What one press from the command line prints, and the program's exit status.
struct PressAnswer {
    std::string output;
    int exitStatus = 0;  // 0 when the status box reads "OK", else 1
};

/// Presses "Recalculate" once on a fresh calculator with the given input texts and reports the
/// window's rows as text, or the result object as one line of JSON.
PressAnswer answerPress(const PressInputs& inputs, bool json);

}  // namespace octaval
