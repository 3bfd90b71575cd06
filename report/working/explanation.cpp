// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/working/explanation.h"

#include "engine/subnets.h"
#include "report/binary_report.h"
#include "report/working/refusal.h"
#include "report/working/steps.h"
#include "report/working/wording.h"

namespace octaval {

Explanation explain(const Press& p, const Phrasebook& book) {
    Explanation e;
    e.book = &book;
    e.address = working::rowText(p.boxes, Box::Text1);
    e.mask = working::rowText(p.boxes, Box::Text5);
    e.status = p.outcome.status();
    if (!p.outcome.passed()) {
        working::addRefusal(p, e);
        return e;
    }
    const auto rows = bitRows(p.state);
    const BitFields fields = bitFields(SubnetList::of(p.state));
    for (std::size_t r = 0; r < rows.size(); ++r)
        appendBits(e.bits[r], rows[r].value, fields, ColourDepth::none);
    e.bitRows = binaryRows(p, ColourDepth::none, book);
    e.classLetter = p.boxes[Box::Text17];
    e.classBits = p.state.classBits;
    e.subnetBits = p.state.subnetBits;
    e.hostBits = p.state.hostBits;
    working::addSteps(p, e);
    return e;
}

}  // namespace octaval
