// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of a press that the validation chain stopped: which check stopped it, and why.

#include "report/working/explanation.h"

namespace octaval::working {

/// Names the check that stopped the press and adds its two steps: the check, and the status
/// that leaves every output box empty.
void addRefusal(const Press& p, Explanation& e);

}  // namespace octaval::working
