// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of a press that passed the validation chain: the class, the natural mask, the
// subnet and host bits, the counts, the block size, the address's subnet, the network and
// broadcast, the first and last subnet and the status, each a step.

#include "report/working/explanation.h"

namespace octaval::working {

/// Adds the steps of a press that passed the validation chain, and the numbers they find.
void addSteps(const Press& p, Explanation& e);

}  // namespace octaval::working
