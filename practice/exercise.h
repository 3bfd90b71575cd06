// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A practice problem with its press: the questions it asks, their expected answers (made from
// the press's numbers) and the marking of answers as people write them.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "practice/generator.h"
#include "practice/question.h"
#include "report/phrasebook.h"
#include "report/press.h"

namespace octaval {

/// How an answer was marked.
struct Mark {
    bool right = false;
    std::string expected;
    /// "right", or "wrong, expected 192.168.1.64", in the reader's words.
    std::string text(const Phrasebook& book = Phrasebook::english()) const;
};

/// A problem with its press: the questions it asks and their expected answers, all made from
/// what the press showed.
class Exercise {
public:
    /// Presses "Recalculate" with the problem's inputs; asks those of `questions` whose values
    /// the press shows (a rejected press shows only its status), in the order of allQuestions.
    Exercise(Problem problem, std::span<const Question> questions);

    const Problem& problem() const { return m_problem; }
    const Press& press() const { return m_press; }
    const std::vector<Question>& questions() const { return m_questions; }
    /// The answer as the window shows it: "192.168.1.64", "C", "6", "no subnets", a message.
    std::string expected(Question q) const;
    /// Reads an answer leniently where its meaning is clear (blanks around it and its parts,
    /// leading zeros, any letter case, a trailing unit word such as "bits", a status message by
    /// its number in status::all counted from 1) and marks it.
    Mark check(Question q, std::string_view answer) const;

private:
    Problem m_problem;
    Press m_press;
    std::vector<Question> m_questions;
};

}  // namespace octaval
