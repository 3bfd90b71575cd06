// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: one whole press of "Recalculate" on eight texts split at "|" (missing texts are
// empty; the eighth keeps any further "|"), against what every press keeps, whatever was typed.

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/calculator.h"
#include "fuzz/fuzz_support.h"

using namespace octaval;
using namespace std::literals;

static PressOutcome press(CalculatorState& state, MemoryBoxes& boxes, std::string_view joined) {
    const auto t = fuzz::split(joined, '|', 8);
    setInputs(boxes, {t[0], t[1], t[2], t[3]}, {t[4], t[5], t[6], t[7]});
    return Recalculate(state, boxes).outcome;
}

OCTAVAL_FUZZ_TARGET(input) {
    const auto t = fuzz::split(input, '|', 8);
    CalculatorState state;
    MemoryBoxes boxes;
    const PressOutcome outcome = press(state, boxes, input);

    // After earlier presses (this one, one without host bits, one that fills every box) the
    // state and the boxes hold what they left; the press must still show what it shows fresh.
    for (const auto earlier : {input, "1|1|1|1|255|255|255|255"sv, "1|1|1|1|255|255|255|224"sv}) {
        CalculatorState used;
        MemoryBoxes usedBoxes;
        press(used, usedBoxes, earlier);
        fuzz::check(press(used, usedBoxes, input) == outcome, "the outcome depends on the past");
        for (const Box b : allBoxes)
            fuzz::check(usedBoxes[b] == boxes[b], "a press after an earlier one differs");
    }

    const auto at = std::ranges::find(status::all, boxes[Box::Text21]) - status::all.begin();
    fuzz::check(at < 9, "the status is none of the nine messages");
    const bool rejected = at >= 1 && at <= 3;  // the three messages of the validation chain
    fuzz::check(outcome.status() == boxes[Box::Text21], "the outcome tells another status");
    fuzz::check(outcome.passed() == !rejected, "the outcome tells another end of the press");
    for (const Box b : allBoxes)
        if (numberOf(b) >= numberOf(Box::Text9) && b != Box::Text21)
            fuzz::check(rejected ? boxes[b] == " " : !boxes[b].empty(), "an output box is wrong");

    // A press that passes has whole octets 0..255; the network is the address And the mask, the
    // broadcast the network with the bits the mask leaves out (255 - m) set.
    for (int k = 1; !rejected && k <= 4; ++k) {
        const double ip = textToNumber(t[k - 1]).value, mask = textToNumber(t[k + 3]).value;
        const auto octet = [](double v) { return v >= 0 && v <= 255 && std::floor(v) == v; };
        fuzz::check(octet(ip) && octet(mask), "a press passed with an octet that is no 0..255");
        const int a = static_cast<int>(ip), m = static_cast<int>(mask), net = a & m;
        fuzz::check(boxes[octetBox(Box::Text9, k)] == std::to_string(net), "network");
        fuzz::check(boxes[octetBox(Box::Text13, k)] == std::to_string(net + 255 - m), "broadcast");
    }
}
