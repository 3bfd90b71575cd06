// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Worksheets for paper: problems from a seed with their questions, and their answer keys, as
// text, JSON Lines or CSV.

#include <cstdint>
#include <functional>
#include <string>

#include "practice/exercise.h"
#include "practice/generator.h"

namespace octaval {

/// How a worksheet is written.
enum class WorksheetFormat : std::uint8_t {
    text,       // problems with blank answers, then (with answers) the key
    jsonLines,  // one object a problem: address, mask, questions and (with answers) answers
    csv,        // a header, then one row a problem; with answers, a column per question
};

/// What a worksheet holds.
struct WorksheetRequest {
    std::uint64_t seed = 0;
    std::uint32_t count = 10;
    PracticeOptions options;
    WorksheetFormat format = WorksheetFormat::text;
    bool answers = false;
    /// The words of a text worksheet; JSON Lines and CSV are data, in English whatever it says.
    const Phrasebook* book = &Phrasebook::english();
};

/// Presses the worksheet's problems one after the other, numbered from 1, and hands each to
/// `write`: memory does not grow with the count.
void eachWorksheetExercise(const WorksheetRequest& request,
                           const std::function<void(std::uint32_t, const Exercise&)>& write);

/// The worksheet: `count` problems from the seed, each with the questions it asks. In JSON Lines
/// the answers are the result object of a press (appendResultJson), as --batch gives it.
std::string worksheet(const WorksheetRequest& request);

/// The first line of a text worksheet or session: seed, classes, level.
std::string practiceHeading(std::uint64_t seed, const PracticeOptions& options,
                            const Phrasebook& book = Phrasebook::english());

/// The line that opens a problem: "Problem 3: IP address ..., subnet mask ..." on a worksheet,
/// "Problem 3 of 10: ..." in a session of `count` problems (0 on a worksheet).
std::string problemHeading(const Phrasebook& book, std::uint32_t number, std::uint32_t count,
                           const Problem& problem);

/// The texts of a session on a terminal that a worksheet does not have.
inline constexpr Phrase sessionInstructions =
    phrase("Practice",
           "Answer each question and press Enter; an empty line skips it, \"?\" shows the working. "
           "The end of the input (Ctrl+D) ends the session.");
inline constexpr Phrase statusByNumber =
    phrase("Practice", "The status message may be given by its number:");
inline constexpr Phrase statusNumbers = phrase("Practice", "(1 to 9 or the text)");
/// A question asked, as its language punctuates one.
inline constexpr Phrase askedQuestion = phrase("Practice", "%1?");

/// The width of a text in a fixed-width font: UTF-8 continuation bytes take no column.
std::size_t columns(std::string_view text);

}  // namespace octaval
