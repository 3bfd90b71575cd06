// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/phrases.h"

namespace octaval::web {

std::string_view TablePhrasebook::lookUp(std::string_view context, std::string_view source,
                                         std::string_view comment, std::int64_t count) const {
    // As Qt's translator: the message with this comment, else the one without any.
    const PhraseEntry* found = nullptr;
    for (const PhraseEntry& e : m_table.entries) {
        if (e.context != context || e.source != source) continue;
        if (e.comment == comment) {
            found = &e;
            break;
        }
        if (e.comment.empty()) found = &e;
    }
    if (!found) return source;
    // French counts zero as one (Qt's rule for it); German and Spanish only one.
    const bool one = m_table.code == "fr" ? count <= 1 : count == 1;
    return one ? found->singular : found->plural;
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

}  // namespace octaval::web
