// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "report/phrasebook.h"

namespace octaval {

/// The line over the list of a press's subnets, in the reader's words, as the Subnets window and
/// the page show it: both counts of the list, grouped as the reader's language groups digits
/// ("8 subnets, 6 usable of the class C network 192.168.1.0 under 255.255.255.224"), or why the
/// press has no list.
std::string listHeading(const Phrasebook& book, const PressOutcome& outcome,
                        const CalculatorState& state, std::string_view classLetter);

}  // namespace octaval
