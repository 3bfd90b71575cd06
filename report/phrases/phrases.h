// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window's translations without Qt, for octaval-cli and the page: read from its .ts files at
// build time (phrases.py makes a table of constants), and a phrasebook that looks the report
// layer's texts up in them.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "report/phrasebook.h"

namespace octaval {

/// A text of a language's table: where it starts in the table's texts, and its length. Offsets
/// rather than pointers, so that the loader has nothing to relocate in the tables.
struct PhraseText {
    std::uint32_t at, size;
};

/// One translated message, keyed as the window's translator keys it; a text that is not counted
/// has its one translation in both forms.
struct PhraseEntry {
    PhraseText context, source, comment;
    PhraseText singular, plural;
};

/// A language's messages, under its code ("de").
struct PhraseTable {
    std::string_view code;
    std::string_view texts;
    std::span<const PhraseEntry> entries;
    std::string_view operator[](PhraseText t) const { return texts.substr(t.at, t.size); }
};

/// Every language but English, which is the sources themselves.
extern const std::span<const PhraseTable> languages;

/// The words of one of the languages; a text it does not translate stays English, as in the window.
class TablePhrasebook final : public Phrasebook {
public:
    explicit TablePhrasebook(const PhraseTable& table) : m_table(table) {}
    /// The language's code: "de", "fr", "es".
    std::string_view code() const { return m_table.code; }
    std::string translated(Phrase p, std::int64_t count) const override;
    std::string grouped(std::uint64_t count) const override;
    /// The translation of a text by its context and source, the source where there is none.
    std::string_view lookUp(std::string_view context, std::string_view source,
                            std::string_view comment = {}, std::int64_t count = 1) const;

private:
    const PhraseTable& m_table;
};

/// The phrasebook of a language by its code: "en" gives the English sources, "de", "fr" and "es"
/// the window's translations; nothing for any other code.
const Phrasebook* phrasebookFor(std::string_view code);

/// The codes that phrasebookFor() knows, for messages: "en, de, es or fr".
std::string languageCodes();

}  // namespace octaval
