// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Practice problems drawn from a seed: an address and a mask of the classes and the level asked
// for, the same on every platform.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "practice/question.h"
#include "report/address_text.h"

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
/// The level of a name, in any letter case.
std::optional<PracticeLevel> levelFromName(std::string_view name);
/// Every level, in the order of the window's choice.
inline constexpr std::array<PracticeLevel, 4> allLevels = {
    PracticeLevel::natural, PracticeLevel::contiguous, PracticeLevel::any, PracticeLevel::faults};

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

}  // namespace octaval
