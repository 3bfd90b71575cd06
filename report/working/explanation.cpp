// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/working/explanation.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "engine/subnets.h"
#include "report/binary_report.h"
#include "report/escape.h"
#include "report/working/refusal.h"
#include "report/working/steps.h"
#include "report/working/wording.h"

namespace octaval {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool isRadixDigit(char c, bool hex) {
    if (!hex) return c >= '0' && c <= '7';
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Why a box text reads as its number when it is not simply that number's digits, clause by
// clause, following the rules of textToNumber.
std::vector<std::string> readingReasons(const Phrasebook& book, std::string_view text) {
    std::string t;
    bool blanks = false;
    for (const char c : text)
        if (c == ' ' || c == '\t' || c == '\n')
            blanks = true;
        else
            t += c;
    std::vector<std::string> why;
    if (t.empty()) {
        why.push_back(book.say(phrase("Working", "an empty box reads as 0")));
        return why;
    }
    if (blanks) why.push_back(book.say(phrase("Working", "blanks are skipped")));
    std::size_t i = 0;
    bool number = false;
    if (t[0] == '&') {
        const char kind = t.size() > 1 ? t[1] : '\0';
        const bool hex = kind == 'H' || kind == 'h';
        if (hex || kind == 'O' || kind == 'o') {
            why.push_back(book.say(hex ? phrase("Working", "&H starts a hexadecimal number")
                                       : phrase("Working", "&O starts an octal number")));
            number = true;
            for (i = 2; i < t.size() && isRadixDigit(t[i], hex); ++i) {
            }
        }
    } else {
        if (t[i] == '+' || t[i] == '-') ++i;
        const std::size_t start = i;
        for (; i < t.size() && (isDigit(t[i]) || t[i] == '.'); ++i)
            if (t[i] == '.' && t.find('.', start) != i) break;
        number = std::any_of(t.begin() + static_cast<std::ptrdiff_t>(start),
                             t.begin() + static_cast<std::ptrdiff_t>(i), isDigit);
        if (number && i < t.size() && std::string_view("EeDd").find(t[i]) != std::string::npos) {
            std::size_t j = i + 1;
            if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
            if (j < t.size() && isDigit(t[j])) {
                why.push_back(book.say(phrase("Working", "the letter %1 starts a power of ten"),
                                       {std::string(1, t[i])}));
                for (i = j; i < t.size() && isDigit(t[i]); ++i) {
                }
            }
        }
    }
    if (!number) {
        why.push_back(
            book.say(phrase("Working", "it does not start with a number, so it reads as 0")));
        return why;
    }
    if (i < t.size()) {
        std::string rest;
        appendEscaped(rest, std::string_view(t).substr(i), Escape::visible);
        why.push_back(
            book.say(phrase("Working", "reading stops at %1, which cannot continue the number"),
                     {working::quoted(book, rest)}));
    }
    if (why.empty())
        why.push_back(book.say(phrase("Working", "written otherwise, it is the same number")));
    return why;
}

// A step for each box whose text does not read as its own digits ("1e2", "&HF", "1..2", "12a",
// an empty box), saying how it was read, so that the numbers the later steps use are no surprise.
void addReading(const Press& p, Explanation& e) {
    const Phrasebook& book = *e.book;
    for (const bool address : {true, false})
        for (int k = 1; k <= 4; ++k) {
            const Box box = octetBox(address ? Box::Text1 : Box::Text5, k);
            const std::string& text = p.boxes[box];
            const ReadNumber n = textToNumber(text);
            // A text beyond the number range is the refusal's to explain.
            if (!n.inRange) continue;
            const double v = n.value;
            if (text == working::shown(v)) continue;
            const std::vector<std::string> why = readingReasons(book, text);
            std::string escaped;
            appendEscaped(escaped, text, Escape::visible);
            e.steps.push_back(
                {"reading", book.say(phrase("Working", "Reading")),
                 book.say(address
                              ? phrase("Working", "Octet %1 of the address, %2, reads as %3: %4.")
                              : phrase("Working", "Octet %1 of the mask, %2, reads as %3: %4."),
                          {std::to_string(k), working::quoted(book, escaped), working::shown(v),
                           working::listed(why, "; ")})});
        }
}

}  // namespace

const WorkingStep* Explanation::step(std::string_view key) const {
    for (const WorkingStep& s : steps)
        if (s.key == key) return &s;
    return nullptr;
}

Explanation explain(const Press& p, const Phrasebook& book) {
    Explanation e;
    e.book = &book;
    e.address = working::rowText(p.boxes, Box::Text1);
    e.mask = working::rowText(p.boxes, Box::Text5);
    e.status = p.outcome.status();
    addReading(p, e);
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
