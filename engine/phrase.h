// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How a text that a person reads is marked where it is written, so that a front end can show it
// in the reader's language (report/phrasebook.h looks phrases up). The engine itself writes the
// English sources.

#include <string_view>

namespace octaval {

/// A text to be looked up: its context and its English source, a whole sentence or clause with
/// numbered places %1, %2, ... for the numbers, addresses and typed texts that fill it in. A
/// counted phrase also has a place %n for a count, and its translations a form for each plural
/// of the language; its English singular, where it differs, is given beside the source.
struct Phrase {
    std::string_view context;
    std::string_view source;
    std::string_view singular{};
    bool counted = false;
};

/// lupdate reads phrase("Context", "Source") as QT_TRANSLATE_NOOP and counted("Context",
/// "Source", "Singular") as QT_TRANSLATE_N_NOOP, the singular as the message's comment (its
/// -tr-function-alias option, ui/CMakeLists.txt), so that the window's translations hold them.
constexpr Phrase phrase(std::string_view context, std::string_view source) {
    return {context, source};
}

constexpr Phrase counted(std::string_view context, std::string_view source,
                         std::string_view singular = {}) {
    return {context, source, singular, true};
}

}  // namespace octaval
