// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/session.h"
#include "practice/worksheet.h"
#include "report/address_text.h"
#include "report/phrases/phrases.h"

#include <gtest/gtest.h>

#include <bit>
#include <map>
#include <tuple>
#include <vector>

namespace {

using namespace octaval;

std::string dotted(std::uint32_t v) {
    return std::to_string(v >> 24) + '.' + std::to_string(v >> 16 & 255) + '.' +
           std::to_string(v >> 8 & 255) + '.' + std::to_string(v & 255);
}

// Every problem of every level asks the questions whose values a press of its address and mask
// shows, and expects what 32-bit arithmetic on the classful fields gives; the problems keep to
// the classes asked for and (but for "faults") pass the checks, with the level's masks. Which
// inputs pass, and their status, are the engine's to say and its tests' to pin; "spot the fault"
// ends in every status message, none of them rare.
TEST(Practice, ExpectedAnswersAgreeWithArithmetic) {
    std::map<std::string, int> faults;
    for (const PracticeLevel level : allLevels)
        for (const std::string classes : {"ABC", "A", "BC"})
            for (std::uint64_t seed = 0; seed < 12; ++seed) {
                ProblemGenerator generator(seed * 0x1234567U, {.classes = classes, .level = level});
                for (int i = 0; i < 60; ++i) {
                    const Exercise e(generator.next(), allQuestions);
                    SCOPED_TRACE(e.problem().address() + ' ' + e.problem().mask());
                    const PressOutcome outcome = press(e.problem().inputs).outcome;
                    if (level == PracticeLevel::faults) ++faults[std::string(outcome.status())];
                    ASSERT_TRUE(outcome.passed() || level == PracticeLevel::faults);
                    if (!outcome.passed()) {
                        EXPECT_EQ(e.questions(), std::vector<Question>{Question::status});
                        continue;
                    }
                    const std::uint32_t ip = addressOf(*readDottedQuad(e.problem().address()));
                    const std::uint32_t mask = addressOf(*readDottedQuad(e.problem().mask()));
                    const std::uint32_t first = ip >> 24;
                    const char letter = first < 128 ? 'A' : first < 192 ? 'B' : 'C';
                    ASSERT_LT(first, 224U);
                    EXPECT_NE(classes.find(letter), std::string::npos);
                    const int classBits = 8 * (letter - 'A' + 1);
                    if (level == PracticeLevel::natural) {
                        EXPECT_EQ(mask, ~std::uint32_t{0} << (32 - classBits));
                    }
                    if (level == PracticeLevel::contiguous) {
                        EXPECT_EQ(std::countl_one(mask), std::popcount(mask));
                        EXPECT_GE(std::popcount(mask), classBits);
                        EXPECT_LE(std::popcount(mask), 30);
                    }
                    const int subnetBits = std::popcount(mask << classBits);
                    const int hostBits = 32 - classBits - subnetBits;
                    const std::uint32_t net = ip & mask;
                    const std::uint64_t field = ((1ull << subnetBits) - 1) << hostBits;
                    const std::uint64_t low = 1ull << hostBits;

                    std::map<Question, std::string> want = {
                        {Question::network, dotted(net)},
                        {Question::broadcast, dotted(net | ~mask)},
                        {Question::classLetter, std::string(1, letter)},
                        {Question::status, std::string(outcome.status())}};
                    if (hostBits) {
                        want[Question::networkBits] = std::to_string(classBits);
                        want[Question::subnetBits] = std::to_string(subnetBits);
                        want[Question::hostBits] = std::to_string(hostBits);
                        want[Question::subnets] =
                            subnetBits ? std::to_string((1ull << subnetBits) - 2) : "no subnets";
                        want[Question::hosts] = std::to_string((1ull << hostBits) - 2);
                    }
                    if (hostBits && subnetBits >= 2) {
                        want[Question::firstSubnet] =
                            dotted(static_cast<std::uint32_t>((net & ~field) | low));
                        want[Question::lastSubnet] =
                            dotted(static_cast<std::uint32_t>((net | field) & ~low));
                    }
                    std::map<Question, std::string> asked;
                    for (const Question q : e.questions())
                        asked[q] = e.expected(q);
                    ASSERT_EQ(asked, want);
                }
            }
    EXPECT_EQ(faults.size(), status::all.size());
    for (const auto& [message, times] : faults)
        EXPECT_GT(times, 144) << message;
}

// The sequence of a seed is fixed: the same problems on every platform and in every version.
TEST(Practice, SeedsGiveTheirProblems) {
    EXPECT_EQ(PracticeRandom(0).next(), 0xE220A8397B1DCDAFU);  // SplitMix64's published first value
    using L = PracticeLevel;
    const std::vector<std::tuple<std::uint64_t, PracticeLevel, std::string>> seeds = {
        {1, L::natural, "199.50.85.94 255.255.255.0 | 217.21.2.128 255.255.255.0"},
        {42, L::contiguous, "131.15.159.82 255.255.255.128 | 134.55.109.93 255.255.255.0"},
        {99, L::faults, "196.65.210.251 255.255.231.0 | 190.222.19.20 255.50.0.0"},
    };
    for (const auto& [seed, level, expected] : seeds) {
        ProblemGenerator generator(seed, {.classes = "ABC", .level = level});
        const Problem first = generator.next(), second = generator.next();
        const std::string problems =
            first.address() + ' ' + first.mask() + " | " + second.address() + ' ' + second.mask();
        EXPECT_EQ(problems, expected) << seed;
    }
}

// The exercise of every question about an address and mask written on one line.
Exercise exercise(std::string_view inputs) {
    return Exercise(Problem{*parseAddressText(inputs)}, allQuestions);
}

// Answers are read leniently where their meaning is clear, strictly where it is not (the window
// and the terminal session read a lower-case class and mark "right"); one that cannot be read is
// told so, and not marked wrong. Answers in the reader's language and in English, digits grouped
// as either groups them.
TEST(Practice, ReadsAnswersAsPeopleWriteThem) {
    const Exercise c27 = exercise("192.168.1.70 255.255.255.224");
    const Exercise a8 = exercise("10.1.2.3 255.0.0.0"), none = exercise("200.1.2.3/32");
    const Exercise a31 = exercise("10.1.2.3/31");
    const Exercise zeros = exercise("130.1.0.5 255.255.255.0");
    const Phrasebook *en = &Phrasebook::english(), *fr = phrasebookFor("fr"),
                     *es = phrasebookFor("es");
    using Q = Question;
    // Exercise, the reader's phrasebook, question, answer, the mark: "right", "wrong" or the
    // text of an unreadable one.
    using Row = std::tuple<const Exercise*, const Phrasebook*, Question, std::string_view,
                           std::string_view>;
    const std::vector<Row> rows = {
        {&c27, en, Q::network, " 192 .168.1.064\t", "right"},
        {&c27, en, Q::network, "192.168.1", "cannot read “192.168.1” as an address"},
        {&c27, en, Q::network, "192.168.1.64/27", "cannot read “192.168.1.64/27” as an address"},
        {&c27, en, Q::network, "abc", "cannot read “abc” as an address"},
        {&c27, en, Q::network, "0192.168.1.064", "right"},
        {&c27, en, Q::network, "19 2.168.1.64", "cannot read “19 2.168.1.64” as an address"},
        {&c27, en, Q::network, "192.168.1.320", "cannot read “192.168.1.320” as an address"},
        {&c27, en, Q::broadcast, "192.168.1.64", "wrong"},
        {&c27, en, Q::lastSubnet, "192.168.1.192", "right"},
        {&c27, en, Q::classLetter, " Class C ", "right"},
        {&c27, en, Q::classLetter, "CC", "cannot read “CC” as a class"},
        {&c27, en, Q::classLetter, "F", "cannot read “F” as a class"},
        {&c27, en, Q::subnetBits, "3 bits", "right"},
        {&c27, en, Q::subnets, "06", "right"},
        {&c27, en, Q::subnets, "6 subnets", "right"},
        {&c27, en, Q::subnets, "6.0", "cannot read “6.0” as a number"},
        {&c27, en, Q::hosts, "32", "wrong"},
        {&c27, en, Q::hosts, "thirty", "cannot read “thirty” as a number"},
        {&c27, en, Q::hosts, "none", "wrong"},
        {&c27, en, Q::status, "ok", "right"},
        {&c27, en, Q::status, "1", "right"},
        {&c27, en, Q::status, "2", "wrong"},
        {&c27, en, Q::status, "No host(s)", "wrong"},
        {&c27, en, Q::status, "fine", "cannot read “fine” as a status message"},
        {&a8, en, Q::subnets, "0", "right"},
        {&a8, en, Q::subnets, "No  subnets", "right"},
        {&a8, en, Q::subnets, "1", "wrong"},
        {&a8, en, Q::hosts, "16,777,214", "right"},
        {&a8, en, Q::hosts, "16 777 214 hosts", "right"},
        {&a8, en, Q::hosts, "1,6777214", "cannot read “1,6777214” as a number"},
        {&a8, en, Q::hosts, "1,67,77,214", "cannot read “1,67,77,214” as a number"},
        {&zeros, en, Q::status, "illegal subnet  (all zeros) or use subnet-zero", "right"},
        {&zeros, en, Q::status, "Illegal subnet",
         "cannot read “Illegal subnet” as a status message"},
        {&zeros, en, Q::status, "5", "right"},
        {&c27, fr, Q::classLetter, "Classe C", "right"},
        {&c27, fr, Q::hosts, "30 HÔTES", "right"},
        {&c27, fr, Q::hosts, "30 hosts", "right"},
        {&a8, es, Q::subnets, "ninguna subred", "right"},
        {&a8, es, Q::subnets, "ninguna", "right"},
        {&a31, fr, Q::hosts, "aucun hôte", "right"},
        {&a8, es, Q::classLetter, "clase a", "right"},
        {&a8, es, Q::hosts, "16.777.214", "right"},
        {&a8, fr, Q::hosts, "16\u202F777\u202F214", "right"},
        {&a8, fr, Q::hosts, "16\u00A0777\u00A0214", "right"},
        {&none, fr, Q::status, "AUCUN HÔTE", "right"},
    };
    // A class writes in several languages: each answer reads with both books at once.
    const Phrasebook* const both[] = {fr, es};
    for (const auto& [e, book, q, answer, text] : rows) {
        const Mark m = e->check(q, answer, *book);
        EXPECT_EQ(m.right                              ? "right"
                  : m.verdict == Mark::Verdict::marked ? "wrong"
                                                       : m.text(),
                  text)
            << questionKey(q) << " '" << answer << "'";
        if (book != en) {
            EXPECT_TRUE(e->check(q, answer, both, *en).right) << answer;
        }
    }
    EXPECT_EQ(a8.check(Question::subnets, "2").text(), "wrong, expected no subnets");
    // A question the problem does not ask, or a count that is not there, has no mistake to name
    // (a form may send it anyway).
    EXPECT_EQ(none.check(Question::hosts, "0").why + a8.check(Question::subnets, "1").why, "");
    // The marks are told in the words of the book given.
    EXPECT_TRUE(c27.check(Question::hosts, "32 hôtes", both, *en)
                    .why.ends_with("Step 5 of the working, “Hosts”, shows it."));
    // The score is worded by its count of right answers, in the singular for one in French.
    SessionScore score;
    score.count(c27.check(Question::hosts, "30"));
    EXPECT_EQ(score.text(*fr), "Score\u00A0: 1 réponse juste sur 1");
}

// A wrong answer that one slip of the working gives is told why, with the step that shows it.
TEST(Practice, NamesTheMistakeOfAWrongAnswer) {
    // 192.168.1.64 to .95, blocks of 32; subnet zero .0 and the all-ones subnet .224.
    const Exercise c27 = exercise("192.168.1.70/27"), b20 = exercise("172.16.5.9/20"),
                   b8 = exercise("130.1.2.3/8");
    using M = Mistake;
    // Exercise, question, answer, the mistake (none for a slip of no known kind), its step.
    const std::vector<
        std::tuple<const Exercise*, Question, std::string_view, std::optional<M>, std::string_view>>
        rows = {
            {&c27, Question::broadcast, "192.168.1.94", M::lastHostAsBroadcast, "broadcast"},
            {&c27, Question::broadcast, "192.168.1.96", M::nextNetworkAsBroadcast, "broadcast"},
            {&c27, Question::network, "192.168.1.65", M::firstHostAsNetwork, "network"},
            {&c27, Question::network, "192.168.1.0", M::naturalMask, "network"},
            {&c27, Question::broadcast, "192.168.1.255", M::naturalMask, "broadcast"},
            {&c27, Question::network, "192.168.1.96", M::neighbourBlock, "blockSize"},
            {&c27, Question::broadcast, "192.168.1.63", M::neighbourBlock, "blockSize"},
            {&c27, Question::subnets, "8", M::reservedCounted, "subnets"},
            {&c27, Question::subnets, "7", M::oneReservedCounted, "subnets"},
            {&c27, Question::networkBits, "27", M::maskLength, "class"},
            {&c27, Question::subnetBits, "27", M::maskLength, "fields"},
            {&c27, Question::subnetBits, "11", M::wrongOctet, "fields"},
            {&c27, Question::hostBits, "8", M::wrongOctet, "fields"},
            {&b20, Question::hostBits, "8", M::wrongOctet, "fields"},
            {&b20, Question::hostBits, "16", M::wrongOctet, "fields"},
            {&b8, Question::hostBits, "24", M::maskLength, "fields"},
            {&c27, Question::firstSubnet, "192.168.1.0", M::subnetZero, "range"},
            {&c27, Question::lastSubnet, "192.168.1.224", M::allOnesSubnet, "range"},
            {&c27, Question::classLetter, "B", M::wrongLeadingBits, "class"},
            {&c27, Question::broadcast, "192.168.1.64", M::otherBox, "broadcast"},
            {&c27, Question::hostBits, "3", M::otherBox, "fields"},
            {&c27, Question::network, "192.168.1.13", std::nullopt, ""},
            {&c27, Question::hosts, "29", std::nullopt, ""},
        };
    for (const auto& [e, q, answer, mistake, step] : rows) {
        const Mark mark = e->check(q, answer);
        SCOPED_TRACE(std::string(questionKey(q)) + " '" + std::string(answer) + "'");
        EXPECT_FALSE(mark.right);
        EXPECT_EQ(mark.mistake, mistake);
        EXPECT_EQ(mark.step, step);
        // The reason quotes the answer and names the step by its number and title.
        EXPECT_EQ(mark.why.empty(), !mistake);
        if (mistake) {
            EXPECT_NE(mark.why.find(std::string(answer)), std::string::npos) << mark.why;
            EXPECT_NE(mark.why.find(" of the working, “"), std::string::npos) << mark.why;
        }
    }
}

}  // namespace
