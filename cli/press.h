// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "cli/arguments.h"
#include "engine/calculator.h"

namespace octaval {

/// One press of "Recalculate" on a fresh calculator: the boxes and the state it leaves.
struct Press {
    MemoryBoxes boxes;
    CalculatorState state;
};
Press press(const PressInputs& inputs);

/// What one press from the command line prints, and the program's exit status.
struct PressAnswer {
    std::string output;
    int exitStatus = 0;  // 0 when the status box reads "OK", else 1
};

/// The window's rows of a press as text, or its result object as one line of JSON.
PressAnswer answerPress(const MemoryBoxes& boxes, bool json);

/// Presses "Recalculate" once on a fresh calculator with the given input texts and reports the
/// window's rows as text, or the result object as one line of JSON.
PressAnswer answerPress(const PressInputs& inputs, bool json);

}  // namespace octaval
