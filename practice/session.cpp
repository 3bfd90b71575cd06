// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/session.h"

#include <algorithm>

namespace octaval {

void SessionScore::count(const Mark& mark) {
    Tally& t = m_tallies[static_cast<std::size_t>(mark.question)];
    if (mark.verdict == Mark::Verdict::notAnswered)
        ++t.notAnswered;
    else if (mark.right)
        ++t.right;
    else
        ++t.wrong;
}

std::uint64_t SessionScore::total(std::uint64_t Tally::*member) const {
    std::uint64_t sum = 0;
    for (const Tally& t : m_tallies)
        sum += t.*member;
    return sum;
}

std::string SessionScore::text(const Phrasebook& book) const {
    // Counted by the right answers, which some languages word in the singular for one.
    const auto right = static_cast<std::int64_t>(this->right());
    const std::string answered = std::to_string(this->right() + wrong());
    if (notAnswered() == 0)
        return book.say(counted("Practice", "Score: %n of %1 answers right"), right, {answered});
    return book.say(counted("Practice", "Score: %n of %1 answers right, %2 not answered"), right,
                    {answered, std::to_string(notAnswered())});
}

std::vector<std::string> SessionScore::byQuestion(const Phrasebook& book) const {
    std::vector<std::string> lines;
    for (const Question q : allQuestions) {
        const Tally& t = m_tallies[static_cast<std::size_t>(q)];
        if (t.right + t.wrong + t.notAnswered == 0) continue;
        lines.push_back(book.say(
            counted("Practice", "%1: %n of %2 right"), static_cast<std::int64_t>(t.right),
            {book.caption(questionPrompt(q)), std::to_string(t.right + t.wrong + t.notAnswered)}));
    }
    return lines;
}

std::vector<Question> SessionScore::weak() const {
    std::vector<Question> kinds;
    for (const Question q : allQuestions) {
        const Tally& t = m_tallies[static_cast<std::size_t>(q)];
        if (t.wrong > t.right) kinds.push_back(q);
    }
    return kinds;
}

Problem nextProblem(ProblemGenerator& generator, const SessionScore& score,
                    std::span<const Question> questions, std::uint64_t& drawn) {
    const std::vector<Question> weak = score.weak();
    Problem problem = generator.next();
    ++drawn;
    for (int tries = 0; tries < 8 && !weak.empty(); ++tries) {
        const Exercise e(problem, questions);
        const auto& asked = e.questions();
        if (std::all_of(weak.begin(), weak.end(), [&](Question q) {
                return std::find(asked.begin(), asked.end(), q) != asked.end() &&
                       (q != Question::status || !e.press().outcome.ok());
            }))
            break;
        problem = generator.next();
        ++drawn;
    }
    return problem;
}

PracticeSession::PracticeSession(std::uint64_t seed, const PracticeOptions& options)
    : m_seed(seed),
      m_options(options),
      m_generator(seed, options),
      m_exercise(nextProblem(m_generator, m_score, allQuestions, m_drawn), allQuestions) {}

std::string PracticeSession::next(const Phrasebook& book) {
    std::string summary;
    if (m_number == sessionLength) {
        summary =
            book.say(phrase("octaval::frmPractice", "The last session: %1."), {m_score.text(book)});
        for (const std::string& line : m_score.byQuestion(book))
            summary += '\n' + line;
        m_score = SessionScore();
        m_number = 0;
    }
    ++m_number;
    m_exercise = Exercise(nextProblem(m_generator, m_score, allQuestions, m_drawn), allQuestions);
    m_counted = false;
    return summary;
}

void PracticeSession::changeOptions(const PracticeOptions& options) {
    m_options = options;
    m_generator = ProblemGenerator(m_seed + m_drawn, options);
    ++m_drawn;
    m_exercise = Exercise(m_generator.next(), allQuestions);
    m_counted = false;
}

std::vector<Mark> PracticeSession::check(std::span<const std::string> answers,
                                         const Phrasebook& book) {
    std::vector<Mark> marks;
    const auto& asked = m_exercise.questions();
    for (std::size_t i = 0; i < asked.size(); ++i) {
        marks.push_back(m_exercise.check(asked[i], i < answers.size() ? answers[i] : "", book));
        if (!m_counted) m_score.count(marks.back());
    }
    m_counted = true;
    return marks;
}

std::string PracticeSession::progress(const Phrasebook& book) const {
    return book.say(phrase("octaval::frmPractice", "Problem %1 of %2"),
                    {std::to_string(m_number), std::to_string(sessionLength)});
}

WorksheetRequest PracticeSession::worksheet() const {
    WorksheetRequest request;
    request.seed = m_seed;
    request.count = sessionLength;
    request.options = m_options;
    return request;
}

}  // namespace octaval
