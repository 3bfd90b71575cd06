// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The words of every text that both programs may show (the status messages, the result lines,
// the working of a press, its bit rows, the practice), in the reader's language. Each text is
// marked where it is written, with phrase() or counted() (engine/phrase.h). octaval-cli prints
// the English sources; the window looks them up in its translation.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/boxes.h"
#include "engine/calculator.h"
#include "engine/phrase.h"

namespace octaval {

/// What the result lines of a press are made of: the class and the bits of its three fields.
struct LineNumbers {
    char classLetter = 'A';
    int classBits = 0;
    int subnetBits = 0;
    int hostBits = 0;
};

/// The numbers of the result lines of a press that showed its results.
LineNumbers lineNumbers(const PressNumbers& n);

/// Looks the texts up; this class itself gives the English sources.
class Phrasebook {
public:
    virtual ~Phrasebook() = default;

    /// A phrase in the reader's language, in UTF-8; a counted phrase in the form for `count`,
    /// with %n replaced by it (the count is not looked at for any other phrase).
    virtual std::string translated(Phrase p, std::int64_t count) const;
    /// A caption of report/captions.h (a row, a column, a question) as the reader sees it.
    std::string caption(std::string_view caption) const;

    /// A phrase in the reader's language with its places filled in: %1 by the first argument,
    /// %2 by the second and so on, each place as often as it stands; what the arguments hold
    /// is not looked at again.
    std::string say(Phrase p, std::initializer_list<std::string_view> arguments = {}) const;
    /// The same for a counted phrase, in the form for `count`.
    std::string say(Phrase p, std::int64_t count,
                    std::initializer_list<std::string_view> arguments = {}) const;

    /// A count with its digits grouped as the reader's language writes them ("4,194,304").
    virtual std::string grouped(std::uint64_t count) const;

    /// One of the engine's status messages (status::all) as the reader sees it.
    std::string status(std::string_view message) const;
    /// The result line of a press that showed its results, Text18, Text19 or Text20, in the
    /// reader's words; in English exactly the text that the engine writes into the box.
    std::string resultLine(Box line, const LineNumbers& n) const;

    /// The English sources, as octaval-cli prints them.
    static const Phrasebook& english();
};

/// A count with its digits grouped as the language of the code ("en", "de", "fr", "es") writes
/// them: "4,194,304", "4.194.304", "4 194 304" (a narrow no-break space), Spanish leaving four
/// digits whole ("1024").
std::string groupedDigits(std::string_view languageCode, std::uint64_t count);

/// A pattern with its places %1 to %9 filled in by the arguments.
std::string filledIn(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace octaval
