// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/calculator.h"
#include "report/address_text.h"

namespace octaval {

/// One press of "Recalculate" on a fresh calculator: the boxes and the state it leaves, and how
/// it ended.
struct Press {
    MemoryBoxes boxes;
    CalculatorState state;
    PressOutcome outcome;
};

/// Types the address and the mask (the natural mask when none is given) into fresh boxes and
/// presses "Recalculate" once.
Press press(const AddressTexts& inputs);

}  // namespace octaval
