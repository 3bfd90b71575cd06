// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/practice.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <tuple>
#include <vector>

#include "report/json_writer.h"

namespace {

using namespace octaval;

// The text of a JSON member whose value is a string ("address":"10.1.2.3").
std::string member(const std::string& line, const std::string& key) {
    const auto at = line.find("\"" + key + "\":\"") + key.size() + 4;
    return line.substr(at, line.find('"', at) - at);
}

// The worksheet's answer key is, problem by problem, the result object of a press with the
// problem's address and mask, whatever the seed, the level and the classes; and the problems
// keep to the classes and (but for "faults") pass the checks.
TEST(Practice, AnswerKeyIsThePressOfEveryProblem) {
    for (const PracticeLevel level : allLevels)
        for (const std::string classes : {"ABC", "A", "BC"})
            for (std::uint64_t seed = 0; seed < 40; ++seed) {
                WorksheetRequest request;
                request.seed = seed * 0x1234567U;
                request.count = 25;
                request.options = {.classes = classes, .level = level};
                request.format = WorksheetFormat::jsonLines;
                request.answers = true;
                std::istringstream lines(worksheet(request));
                int count = 0;
                for (std::string line; std::getline(lines, line); ++count) {
                    const auto inputs =
                        parseAddressText(member(line, "address") + " " + member(line, "mask"));
                    ASSERT_TRUE(inputs) << line;
                    const Press p = press(*inputs);
                    std::string answers = R"(,"answers":)";
                    appendResultJson(answers, p.boxes);
                    EXPECT_EQ(line.substr(line.find(R"(,"answers":)")), answers + "}") << line;
                    EXPECT_NE(line.find(R"("status"])"), std::string::npos) << line;
                    const char letter = p.boxes[Box::Text17].front();
                    if (level == PracticeLevel::faults) continue;
                    EXPECT_TRUE(p.outcome.passed()) << line;
                    EXPECT_NE(classes.find(letter), std::string::npos) << line;
                    const auto natural = naturalMask(inputs->address[0]);
                    if (level == PracticeLevel::natural) {
                        for (std::size_t k = 0; k < 4; ++k)
                            EXPECT_EQ((*inputs->mask)[k], natural[k]) << line;
                    }
                }
                EXPECT_EQ(count, 25);
            }
}

// "Spot the fault" ends in every status message, none of them rare.
TEST(Practice, FaultsEndInEveryStatus) {
    ProblemGenerator generator(7, {.classes = "ABC", .level = PracticeLevel::faults});
    std::map<std::string, int> seen;
    for (int i = 0; i < 900; ++i)
        ++seen[std::string(press(generator.next().inputs).outcome.status())];
    EXPECT_EQ(seen.size(), status::all.size());
    for (const auto& [message, times] : seen)
        EXPECT_GT(times, 60) << message;
}

// The sequence of a seed is fixed: the same problems on every platform and in every version.
TEST(Practice, SeedsGiveTheirProblems) {
    EXPECT_EQ(PracticeRandom(0).next(), 0xE220A8397B1DCDAFU);  // SplitMix64's published first value
    const std::vector<std::tuple<std::uint64_t, PracticeLevel, std::string>> seeds = {
        {1, PracticeLevel::natural,
         "199.50.85.94 255.255.255.0 | 217.21.2.128 255.255.255.0 | 108.126.61.168 255.0.0.0"},
        {42, PracticeLevel::contiguous,
         "131.15.159.82 255.255.255.128 | 134.55.109.93 255.255.255.0 | 174.91.25.191 "
         "255.255.128.0"},
        {2026, PracticeLevel::any,
         "157.226.184.142 255.240.128.0 | 64.103.57.174 255.248.224.0 | 194.163.227.109 "
         "255.248.192.0"},
        {99, PracticeLevel::faults,
         "196.65.210.251 255.255.231.0 | 190.222.19.20 255.50.0.0 | 99.0.5.172 255.255.248.0"},
    };
    for (const auto& [seed, level, expected] : seeds) {
        ProblemGenerator generator(seed, {.classes = "ABC", .level = level});
        std::string problems;
        for (int i = 0; i < 3; ++i) {
            const Problem p = generator.next();
            problems += p.address() + ' ' + p.mask() + (i < 2 ? " | " : "");
        }
        EXPECT_EQ(problems, expected) << seed;
    }
}

// Answers are read leniently where their meaning is clear, strictly where it is not (the window
// and the terminal session read a lower-case class and mark "right").
TEST(Practice, ReadsAnswersAsPeopleWriteThem) {
    const auto exercise = [](std::string_view address, std::string_view mask) {
        Problem problem;
        problem.inputs = *parseAddressText(std::string(address) + " " + std::string(mask));
        return Exercise(problem, allQuestions);
    };
    const Exercise c27 = exercise("192.168.1.70", "255.255.255.224");
    const Exercise a8 = exercise("10.1.2.3", "255.0.0.0");
    const Exercise zeros = exercise("130.1.0.5", "255.255.255.0");
    // Exercise, question, answer, right.
    const std::vector<std::tuple<const Exercise*, Question, std::string_view, bool>> rows = {
        {&c27, Question::network, " 192 .168.1.064\t", true},
        {&c27, Question::network, "192.168.1", false},
        {&c27, Question::network, "192.168.1.64/27", false},
        {&c27, Question::network, "192.168.1.320", false},
        {&c27, Question::broadcast, "192.168.1.64", false},
        {&c27, Question::lastSubnet, "192.168.1.192", true},
        {&c27, Question::classLetter, " Class C ", true},
        {&c27, Question::classLetter, "CC", false},
        {&c27, Question::subnetBits, "3 bits", true},
        {&c27, Question::subnets, "06", true},
        {&c27, Question::subnets, "6 subnets", true},
        {&c27, Question::subnets, "6.0", false},
        {&c27, Question::hosts, "32", false},
        {&c27, Question::status, "ok", true},
        {&c27, Question::status, "1", true},
        {&c27, Question::status, "2", false},
        {&a8, Question::subnets, "0", true},
        {&a8, Question::subnets, "No  subnets", true},
        {&a8, Question::subnets, "1", false},
        {&a8, Question::hosts, "16,777,214", true},
        {&a8, Question::hosts, "16 777 214 hosts", true},
        {&a8, Question::hosts, "1,6777214", false},
        {&zeros, Question::status, "illegal subnet  (all zeros) or use subnet-zero", true},
        {&zeros, Question::status, "Illegal subnet", false},
        {&zeros, Question::status, "5", true},
    };
    for (const auto& [e, q, answer, right] : rows)
        EXPECT_EQ(e->check(q, answer).right, right) << questionKey(q) << " '" << answer << "'";
    EXPECT_EQ(c27.check(Question::network, "x").text(), "wrong, expected 192.168.1.64");
    EXPECT_EQ(a8.check(Question::subnets, "2").text(), "wrong, expected no subnets");
}

// A question is asked only when the press shows its answer.
TEST(Practice, AsksWhatThePressShows) {
    const auto keys = [](std::string_view address, std::string_view mask) {
        Problem problem;
        problem.inputs = *parseAddressText(std::string(address) + " " + std::string(mask));
        std::string text;
        const Exercise e(problem, allQuestions);
        for (const Question q : e.questions())
            text += std::string(questionKey(q)) + ' ';
        return text;
    };
    EXPECT_EQ(keys("0.1.2.3", "255.0.0.0"), "status ");
    EXPECT_EQ(keys("200.1.2.3", "255.255.255.255"), "network broadcast class status ");
    EXPECT_EQ(keys("200.1.2.3", "255.255.255.0"),
              "network broadcast class networkBits subnetBits hostBits subnets hosts status ");
}

}  // namespace
