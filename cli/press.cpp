// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/press.h"

#include "cli/json_writer.h"
#include "cli/text_report.h"

namespace octaval {

Press press(const PressInputs& inputs) {
    Press p;
    setInputs(p.boxes, {inputs.address[0], inputs.address[1], inputs.address[2], inputs.address[3]},
              {inputs.mask[0], inputs.mask[1], inputs.mask[2], inputs.mask[3]});
    Recalculate(p.state, p.boxes);
    return p;
}

PressAnswer answerPress(const MemoryBoxes& boxes, bool json) {
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

PressAnswer answerPress(const PressInputs& inputs, bool json) {
    return answerPress(press(inputs).boxes, json);
}

}  // namespace octaval
