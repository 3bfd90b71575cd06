// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Practice on the command line: the options of --practice, a session of questions on a
// terminal, and worksheets for teachers.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "practice/worksheet.h"

namespace octaval {

/// What --practice and the options that go with it ask for.
struct PracticeRequest {
    bool worksheet = false;  // print the problems instead of asking them
    bool answers = false;    // with the worksheet, its answer key
    std::optional<std::uint64_t> seed;
    std::uint32_t count = 10;
    PracticeOptions options;
};

/// The most problems a session or a worksheet has.
inline constexpr std::uint32_t maxPracticeCount = 100000;

/// Reads the value of --seed, --count, --classes, --level or --questions (named by `option`,
/// such as "--seed") into the request: the message that says what is wrong with it, or nothing.
std::optional<std::string> readPracticeValue(std::string_view option, std::string_view value,
                                             PracticeRequest& request);

/// A seed for a session that names none: it differs from run to run, and is shown so that the
/// session can be had again.
std::uint64_t freshSeed();

/// The working of a problem, shown on request: the binary report of its press.
std::string practiceWorking(const AddressTexts& inputs,
                            const Phrasebook& book = Phrasebook::english());

/// Asks the problems' questions on a terminal, one line an answer, and marks each, saying why
/// where a wrong answer matches a known mistake; "?" shows the working, an empty line skips the
/// question and the end of the input ends the session. Ends with the score, and the score of
/// each kind of question. Answers are read in English and in the words of the phrasebook, in
/// which the session speaks.
/// Returns the exit status: 0, or 1 when the questions could not be written.
int runPracticeSession(const PracticeRequest& request, std::uint64_t seed, int inputFd,
                       int outputFd, const Phrasebook& book = Phrasebook::english());

}  // namespace octaval
