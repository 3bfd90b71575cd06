// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/reading.h"

#include "report/address_text.h"

namespace octaval::reading {

std::string folded(std::string_view text) {
    std::string out;
    bool gap = false;
    for (const char c : trimmed(text)) {
        if (blanks.find(c) != std::string_view::npos) {
            gap = true;
            continue;
        }
        if (gap) out += ' ';
        gap = false;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        // The capitals of the Latin-1 letters (U+00C0 to U+00DE but the sign ×), two bytes in
        // UTF-8 whose second is 0x20 below their small letter's: "HÔTES", "ÜBERGABE".
        const auto byte = [](char b) { return static_cast<unsigned char>(b); };
        if (out.size() >= 2 && byte(out[out.size() - 2]) == 0xC3 && byte(c) >= 0x80 &&
            byte(c) <= 0x9E && byte(c) != 0x97)
            out.back() = static_cast<char>(byte(c) + 0x20);
    }
    return out;
}

std::optional<std::uint64_t> readCount(std::string_view answer, std::string_view unit) {
    std::string text = folded(answer);
    for (const std::string_view word : {unit, unit.substr(0, unit.size() - 1)})
        if (text.ends_with(word) && text.size() > word.size()) {
            text = folded(text.substr(0, text.size() - word.size()));
            break;
        }
    // The no-break spaces that French and other languages group digits with are blanks here.
    std::string spaced;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = std::string_view(text).substr(i);
        if (rest.starts_with("\xC2\xA0") || rest.starts_with("\xE2\x80\xAF")) {
            spaced += ' ';
            i += rest[0] == '\xC2' ? 1 : 2;
        } else {
            spaced += text[i];
        }
    }
    text = std::move(spaced);
    std::string digits;
    std::size_t group = 0;  // digits since the last separator
    bool grouped = false;
    for (const char c : text) {
        if (c == ',' || c == '.' || c == ' ' || c == '_') {
            if (group == 0 || group > 3 || (grouped && group != 3)) return std::nullopt;
            grouped = true;
            group = 0;
            continue;
        }
        digits += c;
        ++group;
    }
    if (grouped && group != 3) return std::nullopt;
    return readDecimal(digits);
}

}  // namespace octaval::reading
