// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Practice: subnetting problems drawn from a seed, the questions they ask (the boxes that a press
// of "Recalculate" fills), answers read as people write them and marked against a press of the
// engine, and worksheets with their answer keys. Both front ends ask and mark through this.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "report/address_text.h"
#include "report/phrasebook.h"
#include "report/press.h"

namespace octaval {

/// SplitMix64 with a bounded mapping by rejection: integer arithmetic only, so that a seed gives
/// the same numbers with every compiler, standard library and platform.
class PracticeRandom {
public:
    explicit PracticeRandom(std::uint64_t seed) : m_state(seed) {}
    /// The next 64 bits of the sequence.
    std::uint64_t next();
    /// A whole number from 0 to bound - 1, every one equally likely; bound must not be 0.
    std::uint64_t below(std::uint64_t bound);
    /// A whole number from low to high, both included.
    std::uint64_t between(std::uint64_t low, std::uint64_t high) {
        return low + below(high - low + 1);
    }

private:
    std::uint64_t m_state;
};

/// Which masks the problems have.
enum class PracticeLevel : std::uint8_t {
    natural,     // the class's natural mask
    contiguous,  // contiguous one bits, from the class's natural mask to 30 bits
    any,         // any mask the checks accept: 255.0.0.0 to 255.255.255.255 and 255.a.b.0
    faults,      // addresses and masks that end in each status message, "OK" included
};

/// The level's name on the command line: "natural", "contiguous", "any", "faults".
std::string_view levelName(PracticeLevel level);
/// The level's description in the window ("Natural masks only", ...).
std::string_view levelDescription(PracticeLevel level);
std::optional<PracticeLevel> levelFromName(std::string_view name);
inline constexpr std::array<PracticeLevel, 4> allLevels = {
    PracticeLevel::natural, PracticeLevel::contiguous, PracticeLevel::any, PracticeLevel::faults};

/// One question: a value that a press shows.
enum class Question : std::uint8_t {
    network,
    broadcast,
    classLetter,
    networkBits,
    subnetBits,
    hostBits,
    subnets,
    hosts,
    firstSubnet,
    lastSubnet,
    status,
};
inline constexpr std::array<Question, 11> allQuestions = {
    Question::network,     Question::broadcast,  Question::classLetter, Question::networkBits,
    Question::subnetBits,  Question::hostBits,   Question::subnets,     Question::hosts,
    Question::firstSubnet, Question::lastSubnet, Question::status};

/// The question's key in worksheets and on the command line ("network", "subnetBits", ...).
std::string_view questionKey(Question q);
std::optional<Question> questionFromKey(std::string_view key);
/// The question as asked ("Network (subnet) address").
std::string_view questionPrompt(Question q);
/// Whether the answer is an address of four octets.
bool isAddressQuestion(Question q);

/// What the problems are drawn from.
struct PracticeOptions {
    std::string classes = "ABC";  // letters A, B, C, each at most once
    PracticeLevel level = PracticeLevel::natural;
    std::vector<Question> questions{allQuestions.begin(), allQuestions.end()};
};

/// Reads a set of classes ("ABC", "c", "ab"): the letters, upper case, in order; nothing for an
/// empty text or any other character.
std::optional<std::string> readClasses(std::string_view text);

/// An address and a mask, as the eight input boxes would hold them.
struct Problem {
    AddressTexts inputs;          // the mask is always given
    std::string address() const;  // dotted, "192.168.1.70"
    std::string mask() const;
};

/// Problems drawn one after the other from a seed.
class ProblemGenerator {
public:
    ProblemGenerator(std::uint64_t seed, PracticeOptions options);
    Problem next();

private:
    PracticeRandom m_random;
    PracticeOptions m_options;
};

/// How an answer was marked.
struct Mark {
    bool right = false;
    std::string expected;
    /// "right", or "wrong, expected 192.168.1.64", in the reader's words.
    std::string text(const Phrasebook& book = Phrasebook::english()) const;
};

/// A problem with its press: the questions it asks and their expected answers, all read from
/// the boxes that the press filled.
class Exercise {
public:
    /// Presses "Recalculate" with the problem's inputs; asks those of `questions` whose boxes
    /// the press fills (a rejected press shows only its status), in the order of allQuestions.
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
};

/// The worksheet: `count` problems from the seed, each with the questions it asks. In JSON Lines
/// the answers are the result object of a press (appendResultJson), as --batch gives it.
std::string worksheet(const WorksheetRequest& request);

/// The first line of a text worksheet or session: seed, classes, level.
std::string practiceHeading(std::uint64_t seed, const PracticeOptions& options);

}  // namespace octaval
