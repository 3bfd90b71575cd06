// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page's languages: the window's translations, read from its .ts files at build time
// (web/phrases.py), and a phrasebook that looks the report layer's texts up in them.

#include <span>
#include <string>
#include <string_view>

#include "report/phrasebook.h"

namespace octaval::web {

/// One translated message, keyed as the window's translator keys it; a text that is not counted
/// has its one translation in both forms.
struct PhraseEntry {
    std::string_view context, source, comment;
    std::string_view singular, plural;
};

/// A language's messages, under its code ("de").
struct PhraseTable {
    std::string_view code;
    std::span<const PhraseEntry> entries;
};

/// Every language but English, which is the sources themselves.
extern const std::span<const PhraseTable> languages;

/// The words of one of the languages; a text it does not translate stays English, as in the window.
class TablePhrasebook final : public Phrasebook {
public:
    explicit TablePhrasebook(const PhraseTable& table) : m_table(table) {}
    std::string translated(Phrase p, std::int64_t count) const override;
    /// The translation of a text by its context and source, the source where there is none.
    std::string_view lookUp(std::string_view context, std::string_view source,
                            std::string_view comment = {}, std::int64_t count = 1) const;

private:
    const PhraseTable& m_table;
};

}  // namespace octaval::web
