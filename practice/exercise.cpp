// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/exercise.h"

#include <algorithm>
#include <utility>

#include "practice/reading.h"
#include "report/subnet_rows.h"

namespace octaval {
namespace {

using namespace reading;

// How a subnet line without subnet bits ("0 bits, no subnets") gives its count.
constexpr std::string_view noSubnets = "no subnets";

// Whether the press shows the value that the question asks for.
bool shows(const Press& p, Question q) {
    const PressNumbers& n = p.numbers;
    switch (q) {
        case Question::network:
        case Question::broadcast:
        case Question::classLetter:
            return p.outcome.passed();
        case Question::networkBits:
        case Question::subnetBits:
        case Question::hostBits:
        case Question::subnets:
        case Question::hosts:
            return n.hasLines;
        case Question::firstSubnet:
        case Question::lastSubnet:
            return n.hasSubnetRange;
        case Question::status:
            break;
    }
    return true;
}

std::string dotted(Address a) {
    std::array<char, 16> buffer{};
    return std::string(addressText(a, buffer));
}

}  // namespace

std::string Mark::text(const Phrasebook& book) const {
    if (right) return book.say(phrase("Practice", "right"));
    // An expected answer in words is a status message or the count of a network without subnets.
    const bool message =
        std::find(status::all.begin(), status::all.end(), expected) != status::all.end();
    const std::string shown = message                 ? book.status(expected)
                              : expected == noSubnets ? book.say(phrase("Practice", "no subnets"))
                                                      : expected;
    return book.say(phrase("Practice", "wrong, expected %1"), {shown});
}

Exercise::Exercise(Problem problem, std::span<const Question> questions)
    : m_problem(std::move(problem)), m_press(octaval::press(m_problem.inputs)) {
    for (const Question q : allQuestions)
        if (std::find(questions.begin(), questions.end(), q) != questions.end() &&
            shows(m_press, q))
            m_questions.push_back(q);
}

std::string Exercise::expected(Question q) const {
    const PressNumbers& n = m_press.numbers;
    if (!shows(m_press, q)) return {};
    switch (q) {
        case Question::network:
            return dotted(n.network);
        case Question::broadcast:
            return dotted(n.broadcast);
        case Question::firstSubnet:
            return dotted(n.firstSubnet);
        case Question::lastSubnet:
            return dotted(n.lastSubnet);
        case Question::classLetter:
            return std::string(1, n.addressClass->letter);
        case Question::networkBits:
            return std::to_string(n.networkBits);
        case Question::subnetBits:
            return std::to_string(n.subnetBits);
        case Question::hostBits:
            return std::to_string(n.hostBits);
        case Question::subnets:
            return n.subnetBits == 0 ? std::string(noSubnets) : std::to_string(n.usableSubnets);
        case Question::hosts:
            return std::to_string(n.usableHosts);
        case Question::status:
            break;
    }
    return std::string(m_press.outcome.status());
}

Mark Exercise::check(Question q, std::string_view answer) const {
    Mark mark;
    mark.expected = expected(q);
    switch (q) {
        case Question::network:
        case Question::broadcast:
        case Question::firstSubnet:
        case Question::lastSubnet: {
            const auto given = readDottedQuadLoosely(answer);
            mark.right = given && given == readDottedQuadLoosely(mark.expected);
            break;
        }
        case Question::classLetter: {
            std::string text = folded(answer);
            if (text.starts_with("class ")) text.erase(0, 6);
            mark.right = text == folded(mark.expected);
            break;
        }
        case Question::networkBits:
        case Question::subnetBits:
        case Question::hostBits:
        case Question::subnets:
        case Question::hosts: {
            const std::string_view unit = q == Question::subnets ? "subnets"
                                          : q == Question::hosts ? "hosts"
                                                                 : "bits";
            const auto given = readCount(answer, unit);
            if (q == Question::subnets && m_press.numbers.subnetBits == 0) {
                const std::string text = folded(answer);
                mark.right = (given && *given == 0) || text == "none" || text == "no" ||
                             text == mark.expected;
            } else {
                mark.right = given && given == readDecimal(mark.expected);
            }
            break;
        }
        case Question::status: {
            const std::string text = folded(answer);
            const auto number = readDecimal(text);
            const auto position = std::find(status::all.begin(), status::all.end(), mark.expected) -
                                  status::all.begin();
            mark.right = text == folded(mark.expected) ||
                         (number && *number == static_cast<std::uint64_t>(position) + 1);
            break;
        }
    }
    return mark;
}

}  // namespace octaval
