// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the practice's answer reader on any bytes, as every question of a problem drawn
// from the first bytes (at every level). The mark names the expected answer, says "right" exactly
// when it is right (a blank or unreadable answer is neither right nor wrong), and blanks around
// the answer change nothing; the expected answer is right.

#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "practice/exercise.h"

OCTAVAL_FUZZ_TARGET(input) {
    using namespace octaval::fuzz;
    std::uint64_t seed = 0;
    const std::size_t seedSize = std::min(input.size(), sizeof seed);
    std::memcpy(&seed, input.data(), seedSize);
    const std::string_view answer = input.substr(seedSize);

    octaval::PracticeOptions options;
    options.level = octaval::allLevels[seed % octaval::allLevels.size()];
    const octaval::Exercise exercise(octaval::ProblemGenerator(seed, options).next(),
                                     octaval::allQuestions);
    for (const octaval::Question q : exercise.questions()) {
        const std::string expected = exercise.expected(q);
        const octaval::Mark mark = exercise.check(q, answer);
        check(mark.expected == expected, "the mark names another expected answer");
        if (mark.verdict == octaval::Mark::Verdict::marked)
            check(mark.text() == (mark.right ? "right" : "wrong, expected " + expected),
                  "the mark's text does not say how it was marked");
        else
            check(!mark.right && mark.why.empty(), "a blank or unreadable answer is marked");
        check(exercise.check(q, " " + std::string(answer) + "  ").right == mark.right,
              "blanks around the answer change its mark");
        check(exercise.check(q, expected).right, "the expected answer is marked wrong");
    }
}
