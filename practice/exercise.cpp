// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/exercise.h"

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

#include "practice/reading.h"
#include "report/working/wording.h"

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

using working::dotted;

}  // namespace

std::string Mark::text(const Phrasebook& book) const {
    if (verdict == Verdict::notAnswered) return book.say(phrase("Practice", "not answered"));
    if (verdict == Verdict::unreadable) {
        const std::string quoted = book.say(phrase("Working", "“%1”"), {answer});
        switch (question) {
            case Question::network:
            case Question::broadcast:
            case Question::firstSubnet:
            case Question::lastSubnet:
                return book.say(phrase("Practice", "cannot read %1 as an address"), {quoted});
            case Question::classLetter:
                return book.say(phrase("Practice", "cannot read %1 as a class"), {quoted});
            case Question::status:
                return book.say(phrase("Practice", "cannot read %1 as a status message"), {quoted});
            default:
                return book.say(phrase("Practice", "cannot read %1 as a number"), {quoted});
        }
    }
    if (right) return book.say(phrase("Practice", "right"));
    return book.say(phrase("Practice", "wrong, expected %1"), {answerInWords(book, expected)});
}

std::string answerInWords(const Phrasebook& book, std::string_view expected) {
    // An expected answer in words is a status message or the count of a network without subnets.
    if (std::find(status::all.begin(), status::all.end(), expected) != status::all.end())
        return book.status(expected);
    if (expected == noSubnets) return book.say(phrase("Practice", "no subnets"));
    return std::string(expected);
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

Mark Exercise::check(Question q, std::string_view answer, const Phrasebook& book) const {
    const Phrasebook* const reader[] = {&book};
    return check(q, answer, reader, book);
}

Mark Exercise::check(Question q, std::string_view answer,
                     std::span<const Phrasebook* const> readers, const Phrasebook& book) const {
    Mark mark;
    mark.question = q;
    mark.expected = expected(q);
    mark.answer = std::string(trimmed(answer));
    if (mark.answer.empty()) {
        mark.verdict = Mark::Verdict::notAnswered;
        return mark;
    }
    const auto unreadable = [&mark] {
        mark.verdict = Mark::Verdict::unreadable;
        return mark;
    };
    // A word as each reader writes it, folded, after the English ones.
    const auto say = [&readers](std::vector<std::string> words, std::initializer_list<Phrase> ps) {
        for (const Phrasebook* reader : readers)
            for (const Phrase p : ps)
                words.push_back(folded(reader->say(p)));
        return words;
    };
    const auto among = [](const std::string& text, const std::vector<std::string>& words) {
        return std::find(words.begin(), words.end(), text) != words.end();
    };
    switch (q) {
        case Question::network:
        case Question::broadcast:
        case Question::firstSubnet:
        case Question::lastSubnet: {
            const auto given = readDottedQuadLoosely(answer);
            if (!given) return unreadable();
            mark.right = given == readDottedQuadLoosely(mark.expected);
            if (!mark.right) diagnose(mark, addressOf(*given), book);
            break;
        }
        case Question::classLetter: {
            std::string text = folded(answer);
            for (const std::string& word : say({"class"}, {phrase("Practice", "class")}))
                if (text.starts_with(word + ' ')) {
                    text.erase(0, word.size() + 1);
                    break;
                }
            if (text.size() != 1 || text[0] < 'a' || text[0] > 'e') return unreadable();
            mark.right = text == folded(mark.expected);
            if (!mark.right) diagnose(mark, std::uint64_t(text[0] - 'a' + 'A'), book);
            break;
        }
        case Question::networkBits:
        case Question::subnetBits:
        case Question::hostBits:
        case Question::subnets:
        case Question::hosts: {
            const bool subnets = q == Question::subnets, hosts = q == Question::hosts;
            const std::vector<std::string> units =
                subnets ? say({"subnets", "subnet"},
                              {phrase("Practice", "subnets"), phrase("Practice", "subnet")})
                : hosts
                    ? say({"hosts", "host"},
                          {phrase("Practice", "hosts"), phrase("Practice", "host")})
                    : say({"bits", "bit"}, {phrase("Practice", "bits"), phrase("Practice", "bit")});
            const auto withoutUnit = [&units](std::string text) {
                for (const std::string& unit : units)
                    if (!unit.empty() && text.size() > unit.size() && text.ends_with(unit))
                        return folded(text.substr(0, text.size() - unit.size()));
                return text;
            };
            const std::string text = withoutUnit(folded(answer));
            // None of them, in each reader's words: "no subnets", "keine Subnetze", or just
            // "none", "keine", "ninguna" without the unit.
            std::vector<std::string> none =
                subnets ? say({"no subnets", "no subnet"},
                              {phrase("Practice", "no subnets"), phrase("Practice", "no subnet")})
                : hosts ? say({"no hosts", "no host"},
                              {phrase("Practice", "no hosts"), phrase("Practice", "no host")})
                        : std::vector<std::string>{};
            if (subnets || hosts) {
                for (std::size_t k = 0, size = none.size(); k < size; ++k)
                    none.push_back(withoutUnit(none[k]));
                none.insert(none.end(), {"none", "no"});
            }
            auto given = readCount(text, "");
            // A "none" in words names no mistake: it is said of subnets and hosts alike.
            const bool inWords = !given && (among(text, none) || among(folded(answer), none));
            if (inWords) given = 0;
            if (!given) return unreadable();
            // Without subnet bits there is no count of subnets to have slipped on.
            const bool noSubnets = subnets && m_press.numbers.subnetBits == 0;
            mark.right = noSubnets ? *given == 0 : given == readDecimal(mark.expected);
            if (!mark.right && !inWords && !noSubnets) diagnose(mark, *given, book);
            break;
        }
        case Question::status: {
            const std::string text = folded(answer);
            const auto number = readDecimal(text);
            const auto position = std::find(status::all.begin(), status::all.end(), mark.expected) -
                                  status::all.begin();
            const auto names = [&](std::string_view message) {
                return text == folded(message) ||
                       std::any_of(readers.begin(), readers.end(), [&](const Phrasebook* reader) {
                           return text == folded(reader->status(message));
                       });
            };
            mark.right = names(mark.expected) ||
                         (number && *number == static_cast<std::uint64_t>(position) + 1);
            if (!mark.right && !(number && *number >= 1 && *number <= status::all.size()) &&
                std::none_of(status::all.begin(), status::all.end(), names))
                return unreadable();
            break;
        }
    }
    return mark;
}

}  // namespace octaval
