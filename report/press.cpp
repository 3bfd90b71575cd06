// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/press.h"

namespace octaval {

Press press(const AddressTexts& inputs) {
    Press p;
    const auto& a = inputs.address;
    const auto m = inputs.maskOrNatural();
    setInputs(p.boxes, {a[0], a[1], a[2], a[3]}, {m[0], m[1], m[2], m[3]});
    const PressResult result = Recalculate(p.state, p.boxes);
    p.outcome = result.outcome;
    p.numbers = result.numbers;
    return p;
}

}  // namespace octaval
