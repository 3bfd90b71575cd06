// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A class's answers marked: each pupil's address and mask set the problem, each answer is
// marked by the practice's own check, and every line of the input gets one JSON line back,
// followed by a summary line for each question.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "report/phrasebook.h"

namespace octaval {

/// How the answers are sent.
enum class AnswerFormat : unsigned char {
    /// One object a line: address, mask, answers (an object of question keys and texts) and
    /// student, which may be left out.
    jsonLines,
    /// CSV (RFC 4180): a header naming address, mask, perhaps student and question keys, in
    /// any order, then a record for each pupil.
    csv,
};

/// What marking a class gave.
struct ClassMarks {
    std::string out;      // the JSON lines, each with its line feed
    bool allRead = true;  // false when a line (or the header) could not be read
};

/// Marks every line of `input` and appends the summary. An answer is read in English and in
/// the words of each of `readers`; the marks, reasons and errors are always in English, so
/// that what reads them sees the same data whatever the class wrote in.
ClassMarks markClass(std::string_view input, AnswerFormat format,
                     std::span<const Phrasebook* const> readers);

}  // namespace octaval
