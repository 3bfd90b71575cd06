// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The questions of the practice: each asks for one value that a press of "Recalculate" shows.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace octaval {

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
/// Every question, in the order in which they are asked.
inline constexpr std::array<Question, 11> allQuestions = {
    Question::network,     Question::broadcast,  Question::classLetter, Question::networkBits,
    Question::subnetBits,  Question::hostBits,   Question::subnets,     Question::hosts,
    Question::firstSubnet, Question::lastSubnet, Question::status};

/// The question's key in worksheets and on the command line ("network", "subnetBits", ...).
std::string_view questionKey(Question q);
/// The question of a key; nothing for any other text.
std::optional<Question> questionFromKey(std::string_view key);
/// The question as asked ("Network (subnet) address").
std::string_view questionPrompt(Question q);
/// Whether the answer is an address of four octets.
bool isAddressQuestion(Question q);

}  // namespace octaval
