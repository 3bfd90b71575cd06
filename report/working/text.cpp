// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/working/text.h"

namespace octaval {

std::string stepsText(const Explanation& e) {
    std::string text;
    for (std::size_t i = 0; i < e.steps.size(); ++i)
        text += e.book->say(phrase("Working", "%1. %2: %3"),
                            {std::to_string(i + 1), e.steps[i].title, e.steps[i].text}) +
                '\n';
    return text;
}

std::string workingHeading(const Explanation& e) {
    return e.book->say(phrase("Working", "Working of %1 %2: %3"),
                       {e.address, e.mask, e.book->status(e.status)});
}

std::string workingText(const Explanation& e) {
    std::string text = workingHeading(e) + "\n\n";
    if (!e.bitRows.empty()) text += e.bitRows + '\n';
    return text + stepsText(e);
}

}  // namespace octaval
