// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A practice session's score: every answer counted once, at its first check, by question kind,
// and the kinds a learner got wrong, for drawing more problems that ask them.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "practice/exercise.h"
#include "practice/generator.h"

namespace octaval {

/// The problems of a session in the Practice window and the page, and of the worksheet they print.
inline constexpr int sessionLength = 10;

class SessionScore {
public:
    /// Counts an answer at its first check: right, wrong (also one that could not be read) or
    /// not answered.
    void count(const Mark& mark);

    std::uint64_t right() const { return total(&Tally::right); }
    std::uint64_t wrong() const { return total(&Tally::wrong); }
    std::uint64_t notAnswered() const { return total(&Tally::notAnswered); }

    /// "Score: 3 of 4 answers right, 1 not answered", in the reader's words.
    std::string text(const Phrasebook& book = Phrasebook::english()) const;
    /// One line for each question kind that was asked: "Usable subnets: 1 of 2 right", in the
    /// order of allQuestions.
    std::vector<std::string> byQuestion(const Phrasebook& book = Phrasebook::english()) const;
    /// The kinds answered wrong more often than right, in the order of allQuestions.
    std::vector<Question> weak() const;

private:
    struct Tally {
        std::uint64_t right = 0;
        std::uint64_t wrong = 0;
        std::uint64_t notAnswered = 0;
    };
    std::uint64_t total(std::uint64_t Tally::*member) const;

    std::array<Tally, allQuestions.size()> m_tallies{};
};

/// The next problem of a session, of those the questions ask: where the learner got kinds wrong, up
/// to eight more draws look for a problem that asks them all (the status only where the press
/// does not end "OK"). Every draw is counted in drawn.
Problem nextProblem(ProblemGenerator& generator, const SessionScore& score,
                    std::span<const Question> questions, std::uint64_t& drawn);

}  // namespace octaval
