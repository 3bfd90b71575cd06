// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A practice problem with its press: the questions it asks, their expected answers (made from
// the press's numbers) and the marking of answers as people write them.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "practice/generator.h"
#include "practice/question.h"
#include "report/phrasebook.h"
#include "report/press.h"

namespace octaval {

/// A known mistake that a wrong answer matches, recognised from the press's numbers.
enum class Mistake : std::uint8_t {
    lastHostAsBroadcast,     // the broadcast given as the last usable host, one below it
    nextNetworkAsBroadcast,  // the broadcast given as the next block's network, one above it
    firstHostAsNetwork,      // the network given as the first usable host, one above it
    neighbourBlock,          // a network or broadcast one block off
    naturalMask,             // the network or broadcast worked with the class's natural mask
    reservedCounted,         // 2^n subnets or hosts: the two reserved ones counted as usable
    oneReservedCounted,      // 2^n - 1: only one of the two reserved ones left out
    maskLength,              // bits counted from octet 1: the mask's one bits, or its zero bits
    wrongOctet,              // subnet or host bits counted from the octet of another class
    subnetZero,              // Subnet 1 given as the reserved subnet zero
    allOnesSubnet,           // Subnet N given as the reserved all-ones subnet
    wrongLeadingBits,        // the class of other leading bits than the first octet's
    otherBox,                // the right answer to another question
};

/// How an answer was marked.
struct Mark {
    bool right = false;
    std::string expected;
    /// A blank answer is not answered, and one that cannot be read as the question's kind of
    /// answer is unreadable; neither is marked right or wrong.
    enum class Verdict : std::uint8_t { marked, notAnswered, unreadable };
    Verdict verdict = Verdict::marked;
    Question question = Question::status;
    std::string answer{};  // as given, without the blanks around it
    /// For a wrong answer that matches a known mistake: the mistake, the step of the working
    /// that shows it (its key), and in one sentence, in the words of the check's phrasebook,
    /// what went wrong and which step of the working shows it.
    std::optional<Mistake> mistake{};
    std::string_view step{};
    std::string why{};

    /// "right", "wrong, expected 192.168.1.64", "not answered" or "cannot read “abc” as an
    /// address", in the reader's words.
    std::string text(const Phrasebook& book = Phrasebook::english()) const;
};

/// An expected answer as the reader sees it: a status message and "no subnets" in the reader's
/// words, a number, a class or an address as it is.
std::string answerInWords(const Phrasebook& book, std::string_view expected);

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
    /// leading zeros, any letter case, digits grouped by commas, points or blanks, a trailing
    /// unit word such as "bits", a status message by its number in status::all counted from 1),
    /// in English and in the words of the phrasebook, and marks it; a wrong answer that matches
    /// a known mistake is told why in the phrasebook's words.
    Mark check(Question q, std::string_view answer,
               const Phrasebook& book = Phrasebook::english()) const;
    /// The same, the answer read in English and in the words of each of `readers` (a class
    /// writes in several languages), the mark told in the words of `book`.
    Mark check(Question q, std::string_view answer, std::span<const Phrasebook* const> readers,
               const Phrasebook& book) const;

private:
    // Names the known mistake that a wrong answer matches, if any: `given` is the answer as an
    // address, a count, or the code of a class letter.
    void diagnose(Mark& mark, std::uint64_t given, const Phrasebook& book) const;

    Problem m_problem;
    Press m_press;
    std::vector<Question> m_questions;
};

}  // namespace octaval
