// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the batch line reader of octaval-cli on any bytes, fed at once and in pieces of
// changing sizes: the same answers either way, one a line, each what the line gets alone.

#include <algorithm>
#include <string>
#include <tuple>

#include "fuzz/fuzz_support.h"
#include "report/batch.h"

// The answers, the line count and whether a line was malformed, for the bytes fed at once or in
// pieces of 0 to 6 bytes in turn (line feeds and CRs then fall at the start, inside and at the end
// of pieces, and empty pieces come too).
static std::tuple<std::string, std::uint64_t, bool> feed(std::string_view bytes, bool inPieces) {
    octaval::BatchReader reader(octaval::BatchFormat::fields);
    std::string out;
    for (std::size_t piece = 0; !bytes.empty(); bytes.remove_prefix(piece)) {
        piece = inPieces ? std::min(bytes.size(), (piece + 1) % 7) : bytes.size();
        reader.feed(bytes.substr(0, piece), out);
    }
    reader.finish(out);
    return {out, reader.lines(), reader.malformedSeen()};
}

OCTAVAL_FUZZ_TARGET(bytes) {
    using namespace octaval::fuzz;
    const auto whole = feed(bytes, false);
    check(feed(bytes, true) == whole, "the answers depend on how the input is cut into pieces");
    const auto& [out, lineCount, malformedSeen] = whole;
    for (const char c : out)
        check(c == '\n' || (c >= 0x20 && c < 0x7f), "an answer holds a byte beyond ASCII");

    // Every line ended by a line feed, and a last one without it when it is not empty.
    auto lines = split(bytes, '\n'), answers = split(out, '\n');
    if (lines.back().empty()) lines.pop_back();
    answers.pop_back();  // what follows the last line feed, which is empty
    check(answers.size() == lines.size() && lineCount == lines.size(), "not one answer a line");
    bool malformed = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto fields =
            split(lines[i].substr(0, lines[i].size() - lines[i].ends_with('\r')), '\t');
        malformed = malformed || fields.size() != 8;
        const auto start =
            fields.size() == 8 ? "{\"network\":" : "{\"line\":" + std::to_string(i + 1);
        check(answers[i].starts_with(start), "neither the press nor the error of its line");
        // No press depends on an earlier one: the line alone on a fresh calculator gets the same.
        octaval::CalculatorState state;
        octaval::BatchBoxes boxes;
        std::string alone;
        octaval::processBatchLine(lines[i], i + 1, state, boxes, alone);
        check(alone == std::string(answers[i]) + "\n", "a line gets another answer alone");
    }
    check(malformed == malformedSeen, "malformedSeen does not tell a malformed line");
}
