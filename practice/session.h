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
#include "practice/worksheet.h"

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

/// A session as the Practice window and the page hold it: problems drawn one after another from a
/// seed, each asking every question its press shows, the answers to a problem counted at its first
/// check, and a new session after every sessionLength problems.
class PracticeSession {
public:
    /// The session's first problem is on show.
    PracticeSession(std::uint64_t seed, const PracticeOptions& options);

    /// Shows the next problem, more of those that ask what was answered wrong. After the last
    /// problem of a session a new one begins, and the summary of the one that ended is returned:
    /// "The last session: Score: ….", then a line for each kind of question asked; else nothing.
    std::string next(const Phrasebook& book);
    /// Replaces the problem on show by one drawn under other options; the problems go on from the
    /// seed and the number drawn so far, and the session and its score go on too.
    void changeOptions(const PracticeOptions& options);
    /// Marks the answers to the problem on show, one for each question asked, in their order (a
    /// missing one is not answered). The first check of a problem counts in the score.
    std::vector<Mark> check(std::span<const std::string> answers, const Phrasebook& book);

    const Exercise& exercise() const { return m_exercise; }
    const SessionScore& score() const { return m_score; }
    /// "Problem 3 of 10", in the reader's words.
    std::string progress(const Phrasebook& book) const;
    /// The worksheet of the session's seed under the options now chosen, a session's problems.
    WorksheetRequest worksheet() const;

private:
    std::uint64_t m_seed;
    PracticeOptions m_options;
    ProblemGenerator m_generator;
    std::uint64_t m_drawn = 0;  // problems drawn so far
    SessionScore m_score;
    int m_number = 1;  // the problem on show in the session, from 1
    Exercise m_exercise;
    bool m_counted = false;  // the problem on show has been checked once
};

}  // namespace octaval
