// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: one whole press of "Recalculate" on eight arbitrary box texts, checked against what
// must hold after every press, whatever was typed.
//
// The input is split at "|" into the texts of Text1..Text8 (so "192|168|1|1|255|255|255|0" is a
// readable seed); missing texts are empty and the eighth text keeps any further "|". A "|" inside
// a box text would only end the number like any other stray character, so nothing is lost.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculator.h"
#include "fuzz/fuzz_support.h"

namespace {

using octaval::Box;
using octaval::CalculatorState;
using octaval::MemoryBoxes;
using octaval::fuzz::escaped;
using octaval::fuzz::fail;
namespace status = octaval::status;

using Texts = std::array<std::string, 8>;
using Snapshot = std::array<std::string, octaval::allBoxes.size()>;

constexpr std::array<std::string_view, 3> validationMessages = {
    status::illegalIpAddress, status::illegalSubnetMask, status::illegalMaskVersusClass};

// Earlier presses that leave different traces in the state (class A, B and C fields of several
// widths, a class D address, and rejected presses that stop at different points); a press after
// any of them must show what it shows on a fresh state.
constexpr std::array<std::string_view, 6> earlierPresses = {
    "10|1|2|3|255|255|255|252", "172|16|5|9|255|255|240|0", "192|168|1|130|255|255|255|192",
    "230|1|1|1|255|255|255|0",  "150|1|1|1|254|0|0|0",      "10|1|1|4e4|255|0|0|0",
};

Texts splitTexts(std::string_view data) {
    Texts texts;
    for (std::size_t k = 0; k < texts.size() && !data.empty(); ++k) {
        const auto bar = data.find('|');
        if (bar == std::string_view::npos || k + 1 == texts.size()) {
            texts[k] = data;
            break;
        }
        texts[k] = data.substr(0, bar);
        data.remove_prefix(bar + 1);
    }
    return texts;
}

void setInputs(MemoryBoxes& boxes, const Texts& texts) {
    for (int k = 1; k <= 8; ++k)
        boxes.setText(octaval::boxNumber(k), texts[k - 1]);
}

Snapshot snapshot(const MemoryBoxes& boxes) {
    Snapshot s;
    for (std::size_t i = 0; i < octaval::allBoxes.size(); ++i)
        s[i] = boxes[octaval::allBoxes[i]];
    return s;
}

std::string describe(const Texts& texts, const Snapshot& shown) {
    std::string out = "texts";
    // Appended piece by piece: GCC 12 at -O3 reports a false -Wrestrict for "literal" + string.
    for (const auto& t : texts) {
        out += ' ';
        out += escaped(t);
    }
    out += "\n  boxes";
    for (std::size_t i = 8; i < shown.size(); ++i) {
        out += ' ';
        out += octaval::boxName(octaval::allBoxes[i]);
        out += '=';
        out += escaped(shown[i]);
    }
    return out;
}

std::string_view textOf(const Snapshot& s, Box box) {
    const auto it = std::find(octaval::allBoxes.begin(), octaval::allBoxes.end(), box);
    return s[static_cast<std::size_t>(it - octaval::allBoxes.begin())];
}

bool isOutputBox(Box box) {
    return box != Box::Text21 && octaval::numberOf(box) >= octaval::numberOf(Box::Text9);
}

// The outcome of one press, with the texts it was given, so that a broken invariant can name both.
struct Outcome {
    const Texts& texts;
    const Snapshot& boxes;

    std::string_view text(Box box) const { return textOf(boxes, box); }
    [[noreturn]] void fail(std::string_view what) const {
        octaval::fuzz::fail(what, describe(texts, boxes));
    }
};

// An octet as shown: decimal digits without a leading zero, 0..255; -1 for anything else.
int octetValue(std::string_view text) {
    if (text.empty() || text.size() > 3) return -1;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    if (text.size() > 1 && text.front() == '0') return -1;
    int value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value <= 255 ? value : -1;
}

// The four octets of a row starting at `first`: all shown (true), all blank (false), or a broken
// invariant.
bool readRow(const Outcome& out, Box first, std::array<int, 4>& octets) {
    int shown = 0;
    for (int k = 1; k <= 4; ++k) {
        const auto box = octaval::octetBox(first, k);
        const auto text = out.text(box);
        octets[k - 1] = octetValue(text);
        if (octets[k - 1] >= 0) {
            ++shown;
        } else if (text != " ") {
            out.fail("an octet box holds neither a number 0..255 nor a blank");
        }
    }
    if (shown != 0 && shown != 4) out.fail("a row of octet boxes is only partly filled");
    return shown == 4;
}

void checkInvariants(const Outcome& out) {
    for (int k = 1; k <= 8; ++k)
        if (out.text(octaval::boxNumber(k)) != out.texts[k - 1])
            out.fail("a press changed an input box");

    const auto message = out.text(Box::Text21);
    if (std::find(status::all.begin(), status::all.end(), message) == status::all.end())
        out.fail("the status is none of the nine messages");
    const bool rejected = std::find(validationMessages.begin(), validationMessages.end(),
                                    message) != validationMessages.end();

    for (const Box box : octaval::allBoxes) {
        if (!isOutputBox(box)) continue;
        const auto text = out.text(box);
        if (text.empty()) out.fail("an output box is empty instead of blank");
        if (rejected && text != " ") out.fail("a rejected press left an output box filled");
    }

    const auto letter = out.text(Box::Text17);
    if (letter != " " && !(letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'E'))
        out.fail("the class box holds something other than A..E or a blank");

    std::array<int, 4> network{};
    std::array<int, 4> broadcast{};
    std::array<int, 4> firstSubnet{};
    std::array<int, 4> lastSubnet{};
    const bool hasNetwork = readRow(out, Box::Text9, network);
    const bool hasBroadcast = readRow(out, Box::Text13, broadcast);
    const bool hasFirst = readRow(out, Box::Text26, firstSubnet);
    const bool hasLast = readRow(out, Box::Text30, lastSubnet);

    // Every press that passes the checks shows both addresses.
    if (hasNetwork != !rejected || hasBroadcast != !rejected)
        out.fail("the addresses are shown exactly when the press passes the checks");
    if (hasNetwork) {
        for (std::size_t k = 0; k < 4; ++k) {
            if (broadcast[k] < network[k]) out.fail("a broadcast octet is below its network octet");
            if ((broadcast[k] & network[k]) != network[k])
                out.fail("a broadcast octet lacks a bit of its network octet");
        }
    }
    if (hasFirst != hasLast) out.fail("only one of the subnet rows is shown");
    if (hasFirst && !hasNetwork) out.fail("a subnet row is shown without the network");
    if (hasFirst && !(firstSubnet < lastSubnet))
        out.fail("the first usable subnet is not below the last");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Texts texts = splitTexts({reinterpret_cast<const char*>(data), size});

    CalculatorState state;
    MemoryBoxes boxes;
    setInputs(boxes, texts);
    octaval::Recalculate(state, boxes);
    const Snapshot first = snapshot(boxes);
    checkInvariants({texts, first});

    octaval::Recalculate(state, boxes);
    if (snapshot(boxes) != first)
        fail("a second press with the same texts changed the boxes",
             describe(texts, first) + "\n  second press:\n" + describe(texts, snapshot(boxes)));

    for (const auto earlier : earlierPresses) {
        CalculatorState used;
        MemoryBoxes usedBoxes;
        setInputs(usedBoxes, splitTexts(earlier));
        octaval::Recalculate(used, usedBoxes);
        // The boxes keep the earlier press's outputs too: the press must overwrite all of them.
        setInputs(usedBoxes, texts);
        octaval::Recalculate(used, usedBoxes);
        if (snapshot(usedBoxes) != first)
            fail("a press after an earlier one differs from the press on a fresh state",
                 "earlier press " + escaped(earlier) + "\n  fresh: " + describe(texts, first) +
                     "\n  after: " + describe(texts, snapshot(usedBoxes)));
    }
    return 0;
}
