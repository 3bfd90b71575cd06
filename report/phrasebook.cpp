// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/phrasebook.h"

namespace octaval {

std::string Phrasebook::translated(Phrase p) const {
    return std::string(p.source);
}

std::string Phrasebook::boxText(Box, std::string_view text) const {
    return std::string(text);
}

std::string Phrasebook::caption(std::string_view caption) const {
    return std::string(caption);
}

std::string Phrasebook::say(Phrase p, std::initializer_list<std::string_view> arguments) const {
    return filledIn(translated(p), arguments);
}

const Phrasebook& Phrasebook::english() {
    static const Phrasebook book;
    return book;
}

std::string filledIn(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const std::size_t n = next >= '1' && next <= '9' ? std::size_t(next - '0') : 0;
        if (pattern[i] == '%' && n >= 1 && n <= arguments.size()) {
            text += arguments.begin()[n - 1];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace octaval
