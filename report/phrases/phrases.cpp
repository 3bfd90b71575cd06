// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/phrases/phrases.h"

#include <memory>
#include <vector>

namespace octaval {

std::string_view TablePhrasebook::lookUp(std::string_view context, std::string_view source,
                                         std::string_view comment, std::int64_t count) const {
    // As Qt's translator: the message with this comment, else the one without any.
    const PhraseEntry* found = nullptr;
    for (const PhraseEntry& e : m_table.entries) {
        if (m_table[e.context] != context || m_table[e.source] != source) continue;
        if (m_table[e.comment] == comment) {
            found = &e;
            break;
        }
        if (e.comment.size == 0) found = &e;
    }
    if (!found) return source;
    // French counts zero as one (Qt's rule for it); German and Spanish only one.
    const bool one = m_table.code == "fr" ? count <= 1 : count == 1;
    return m_table[one ? found->singular : found->plural];
}

std::string TablePhrasebook::translated(Phrase p, std::int64_t count) const {
    const std::string_view comment = p.counted ? p.singular : std::string_view{};
    const std::string_view text = lookUp(p.context, p.source, comment, p.counted ? count : 1);
    // Not translated: the English sources, with the English singular.
    if (text.data() == p.source.data()) return Phrasebook::translated(p, count);
    if (!p.counted) return std::string(text);
    // The form for the count, with %n filled in as the English sources have it.
    return Phrasebook::translated(counted(p.context, text, text), count);
}

std::string TablePhrasebook::grouped(std::uint64_t count) const {
    return groupedDigits(m_table.code, count);
}

const Phrasebook* phrasebookFor(std::string_view code) {
    if (code == "en") return &Phrasebook::english();
    // Made on first asking, so that a program that never asks does no work for them.
    static std::vector<std::unique_ptr<const TablePhrasebook>> books(languages.size());
    for (std::size_t i = 0; i < languages.size(); ++i) {
        if (languages[i].code != code) continue;
        if (!books[i]) books[i] = std::make_unique<const TablePhrasebook>(languages[i]);
        return books[i].get();
    }
    return nullptr;
}

std::string languageCodes() {
    std::string codes = "en";
    for (std::size_t i = 0; i < languages.size(); ++i) {
        codes += i + 1 == languages.size() ? " or " : ", ";
        codes += languages[i].code;
    }
    return codes;
}

}  // namespace octaval
