// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of the texts that report/ composes in sentences (the working of a press, its bit
// rows), in the reader's language. The sources are English, whole sentences or clauses with
// numbered places %1, %2, ... for the numbers, addresses and typed texts that fill them in, so
// that a translation may put those in any order. octaval-cli prints the English sources; the
// window looks them up in its translation.

#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/boxes.h"

namespace octaval {

/// A text of report/ to be looked up: its context and its English source. Written as
/// phrase("Context", "Source"), which lupdate reads as QT_TRANSLATE_NOOP (its
/// -tr-function-alias option, ui/CMakeLists.txt), so that the window's translations hold it.
struct Phrase {
    std::string_view context;
    std::string_view source;
};

constexpr Phrase phrase(std::string_view context, std::string_view source) {
    return {context, source};
}

/// Looks the texts up; this class itself gives the English sources.
class Phrasebook {
public:
    virtual ~Phrasebook() = default;

    /// A phrase in the reader's language, in UTF-8.
    virtual std::string translated(Phrase p) const;
    /// A text the engine wrote into a box (the status, the result lines) as the reader sees it.
    virtual std::string boxText(Box box, std::string_view text) const;
    /// A row caption of the window (report/captions.h) as the reader sees it.
    virtual std::string caption(std::string_view caption) const;

    /// A phrase in the reader's language with its places filled in: %1 by the first argument,
    /// %2 by the second and so on, each place as often as it stands; what the arguments hold
    /// is not looked at again.
    std::string say(Phrase p, std::initializer_list<std::string_view> arguments = {}) const;

    /// The English sources, as octaval-cli prints them.
    static const Phrasebook& english();
};

/// A pattern with its places %1 to %9 filled in by the arguments.
std::string filledIn(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace octaval
