// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "report/address_text.h"

namespace octaval {

/// One press of "Recalculate" on a fresh calculator: the boxes and the state it leaves, how it
/// ended, and what it showed as numbers, from which every report about it is made.
struct Press {
    MemoryBoxes boxes;
    CalculatorState state;
    PressOutcome outcome;
    PressNumbers numbers;
};

/// Types the address and the mask (the natural mask when none is given) into fresh boxes and
/// presses "Recalculate" once.
Press press(const AddressTexts& inputs);

}  // namespace octaval
