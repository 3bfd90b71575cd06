// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/press.h"

#include "cli/json_writer.h"
#include "cli/text_report.h"
#include "engine/calculator.h"

namespace octaval {

PressAnswer answerPress(const PressInputs& inputs, bool json) {
    MemoryBoxes boxes;
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        boxes.setText(octetBox(Box::Text1, k), inputs.address[i]);
        boxes.setText(octetBox(Box::Text5, k), inputs.mask[i]);
    }
    CalculatorState state;
    Recalculate(state, boxes);

    PressAnswer answer;
    if (json) {
        appendResultJson(answer.output, boxes);
        answer.output += '\n';
    } else {
        answer.output = textReport(boxes);
    }
    answer.exitStatus = boxes[Box::Text21] == status::ok ? 0 : 1;
    return answer;
}

}  // namespace octaval
