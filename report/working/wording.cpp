// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/working/wording.h"

#include <array>
#include <charconv>
#include <cmath>

#include "engine/double_chars.h"
#include "report/escape.h"
#include "report/subnet_rows.h"

namespace octaval::working {

std::string number(std::uint64_t n) {
    return std::to_string(n);
}

std::string shown(double v) {
    if (isWholeNumber(v) && std::fabs(v) < 1e15) return numberToText(v);
    std::array<char, 32> digits{};
    const auto end = toChars(digits.data(), digits.data() + digits.size(), v).ptr;
    return {digits.data(), end};
}

std::string dotted(Address a) {
    std::array<char, 16> buffer{};
    return std::string(addressText(a, buffer));
}

std::string rowText(const MemoryBoxes& boxes, Box first) {
    std::string text;
    for (int k = 1; k <= 4; ++k) {
        if (k > 1) text += '.';
        appendEscaped(text, boxes[octetBox(first, k)], Escape::visible);
    }
    return text;
}

std::string shownRow(const MemoryBoxes& boxes, Box first) {
    return boxes[first] == " " ? std::string() : rowText(boxes, first);
}

std::string entries(const BitVector& bits, int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i)
        text += bits[static_cast<std::size_t>(i)] != 0 ? '1' : '0';
    return text;
}

std::string listed(const std::vector<std::string>& items, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i > 0 ? std::string(separator) : std::string()) + items[i];
    return text;
}

std::string quoted(const Phrasebook& book, std::string_view text) {
    return book.say(phrase("Working", "“%1”"), {text});
}

std::string typed(const Phrasebook& book, const MemoryBoxes& boxes, Box box, double value) {
    std::string text;
    appendEscaped(text, boxes[box], Escape::visible);
    const std::string read = shown(value);
    if (read == boxes[box]) return quoted(book, text);
    return book.say(phrase("Working", "%1, read as %2"), {quoted(book, text), read});
}

}  // namespace octaval::working
