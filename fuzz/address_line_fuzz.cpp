// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the reader of --batch --addresses lines on any bytes. A line that reads is answered
// as its eight texts are answered by the field reader, and the texts read back the same when
// written out again; a line that does not read gets its line's error in ASCII, and the window's
// paste reader refuses it too.

#include <string>

#include "fuzz/fuzz_support.h"
#include "report/address_text.h"
#include "report/batch.h"

namespace {

// The answer of one line on a fresh calculator, by the reader given.
std::string answer(std::string_view line, decltype(&octaval::processBatchLine) process) {
    octaval::CalculatorState state;
    octaval::BatchBoxes boxes;
    std::string out;
    process(line, 7, state, boxes, out);
    return out;
}

}  // namespace

OCTAVAL_FUZZ_TARGET(line) {
    using namespace octaval::fuzz;
    const std::string out = answer(line, octaval::processAddressLine);
    check(out.ends_with('\n'), "an answer without its line feed");
    const auto read = octaval::readAddressLine(line);
    check(octaval::parseAddressText(line).has_value() == !read.index(),
          "the paste reader and the line reader disagree");
    if (read.index() == 1) {
        check(out.starts_with("{\"line\":7,\"error\":\""), "a line that does not read is answered");
        for (const char c : out)
            check(c == '\n' || (c >= 0x20 && c < 0x7f), "an error holds a byte beyond ASCII");
        return;
    }
    const auto& texts = std::get<octaval::AddressTexts>(read);
    const auto mask = texts.maskOrNatural();
    check(out == answer(dotted(texts.address, '\t') + '\t' + dotted(mask, '\t'),
                        octaval::processBatchLine),
          "the line is answered otherwise than its eight fields");
    // After a slash, as a part of a mask may begin with one ("10.1.2.3//8.0.0.0").
    std::string again = dotted(texts.address);
    if (texts.mask) again += '/' + dotted(*texts.mask);
    const auto reread = octaval::readAddressLine(again);
    check(reread.index() == 0, "the texts read do not read again");
    const auto& second = std::get<octaval::AddressTexts>(reread);
    check(second.address == texts.address && second.mask == texts.mask,
          "the texts read read again otherwise");
}
