// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/practice.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

#include "cli/platform.h"
#include "practice/session.h"
#include "report/address_text.h"
#include "report/working/text.h"

namespace octaval {
namespace {

std::optional<std::vector<Question>> readQuestions(std::string_view text) {
    std::vector<Question> questions;
    for (;;) {
        const auto comma = text.find(',');
        const auto q = questionFromKey(text.substr(0, comma));
        if (!q) return std::nullopt;
        questions.push_back(*q);
        if (comma == std::string_view::npos) return questions;
        text.remove_prefix(comma + 1);
    }
}

std::string questionList() {
    std::string keys;
    for (const Question q : allQuestions) {
        if (!keys.empty()) keys += ',';
        keys += questionKey(q);
    }
    return keys;
}

// Lines of a terminal, read as they come.
class LineReader {
public:
    explicit LineReader(int fd) : m_fd(fd) {}
    /// The next line without its line feed (and CR); nothing at the end of the input.
    std::optional<std::string> next() {
        for (;;) {
            if (const auto end = m_pending.find('\n'); end != std::string::npos) {
                std::string line = m_pending.substr(0, end);
                m_pending.erase(0, end + 1);
                if (line.ends_with('\r')) line.pop_back();
                return line;
            }
            if (m_ended) {
                if (m_pending.empty()) return std::nullopt;
                return std::exchange(m_pending, {});
            }
            char buffer[4096];
            const auto n = platform::readSome(m_fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                // Ctrl+D on a line with text sends that text without a line feed: a second
                // Ctrl+D (a read of nothing) ends the input.
                m_ended = true;
                continue;
            }
            m_pending.append(buffer, static_cast<std::size_t>(n));
        }
    }

private:
    int m_fd;
    std::string m_pending;
    bool m_ended = false;
};

// Where a line's continuation lines start: after a step's number ("10. "), after an item's
// number in a list ("  4  Illegal…"), after a row's caption and the blanks behind it
// ("Legend       "), or under its own indent.
std::size_t hangingIndent(std::string_view line) {
    std::size_t at = line.find_first_not_of(' ');
    if (at == std::string_view::npos) return 0;
    if (at > 0) {
        const std::size_t end = std::min(line.find_first_not_of("0123456789", at), line.size());
        const std::size_t text = line.find_first_not_of(' ', end);
        const bool numbered = end - at >= 1 && end - at <= 2 && line.substr(end).starts_with("  ");
        return numbered && text != std::string_view::npos ? text : at;
    }
    const std::size_t digits = line.find_first_not_of("0123456789");
    if (digits > 0 && digits != std::string_view::npos && line.substr(digits, 2) == ". ")
        return digits + 2;
    const std::size_t gap = line.find("  ");
    if (gap != std::string_view::npos) return line.find_first_not_of(' ', gap);
    return 0;
}

// The text with every line longer than the terminal's width broken between words, its
// continuation lines under its hanging indent; a word longer than a line stays whole.
std::string wrapped(std::string_view text, std::size_t width) {
    std::string out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        const std::size_t indent = hangingIndent(line);
        std::size_t used = 0;
        bool first = true;
        while (!line.empty()) {
            const std::size_t space =
                first ? line.find(' ', line.find_first_not_of(' ')) : line.find(' ');
            const std::string_view word = line.substr(0, space);
            line.remove_prefix(space == std::string_view::npos ? line.size() : space + 1);
            if (!first && used + 1 + columns(word) > width && used > indent) {
                out += '\n' + std::string(indent, ' ');
                used = indent;
            } else if (!first) {
                out += ' ';
                ++used;
            }
            out += word;
            used += columns(word);
            first = false;
        }
        out += '\n';
    }
    return out;
}

}  // namespace

std::optional<std::string> readPracticeValue(std::string_view option, std::string_view value,
                                             PracticeRequest& request) {
    const auto wrong = [&](std::string_view expected) {
        return "option '" + std::string(option) + "' takes " + std::string(expected) + ", got '" +
               std::string(value) + "'";
    };
    if (option == "--seed") {
        request.seed = readDecimal(value);
        if (!request.seed) return wrong("a whole number from 0 to 18446744073709551615");
    } else if (option == "--count") {
        const auto count = readDecimal(value);
        if (!count || *count == 0 || *count > maxPracticeCount)
            return wrong("a whole number from 1 to " + std::to_string(maxPracticeCount));
        request.count = static_cast<std::uint32_t>(*count);
    } else if (option == "--classes") {
        const auto classes = readClasses(value);
        if (!classes) return wrong("one or more of the letters A, B and C, such as ABC or c");
        request.options.classes = *classes;
    } else if (option == "--level") {
        const auto level = levelFromName(value);
        if (!level) return wrong("natural, contiguous, any or faults");
        request.options.level = *level;
    } else if (option == "--questions") {
        auto questions = readQuestions(value);
        if (!questions) return wrong("keys joined by commas, from " + questionList());
        request.options.questions = std::move(*questions);
    }
    return std::nullopt;
}

std::uint64_t freshSeed() {
    std::random_device device;
    const auto now =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    // A seed short enough to type again.
    return (now ^ (std::uint64_t{device()} << 20)) % 1000000;
}

std::string practiceWorking(const AddressTexts& inputs, const Phrasebook& book) {
    return workingText(explain(press(inputs), book));
}

int runPracticeSession(const PracticeRequest& request, std::uint64_t seed, int inputFd,
                       int outputFd, const Phrasebook& book) {
    // Texts of the program's own are broken between words to fit the terminal.
    const int terminal = platform::terminalColumns(outputFd);
    const std::size_t width = terminal >= 20 ? static_cast<std::size_t>(terminal) : 80;
    std::string out = wrapped(practiceHeading(seed, request.options, book), width);
    out += wrapped(book.say(sessionInstructions), width);
    std::string statuses = book.say(statusByNumber);
    for (std::size_t i = 0; i < status::all.size(); ++i)
        statuses += "\n  " + std::to_string(i + 1) + "  " + book.status(status::all[i]);
    out += wrapped(statuses, width);

    bool failed = false;
    const auto flush = [&] {
        failed = failed || !platform::writeAll(outputFd, out).ok();
        out.clear();
        return !failed;
    };
    LineReader reader(inputFd);
    ProblemGenerator generator(seed, request.options);
    SessionScore score;
    bool ended = false;
    std::uint64_t drawn = 0;
    for (std::uint32_t n = 1; n <= request.count && !ended; ++n) {
        // More problems that ask what was answered wrong, as in the window.
        const Exercise e(nextProblem(generator, score, request.options.questions, drawn),
                         request.options.questions);
        out += '\n' + wrapped(problemHeading(book, n, request.count, e.problem()), width);
        for (const Question q : e.questions()) {
            std::optional<std::string> line;
            for (;;) {
                std::string prompt = book.caption(questionPrompt(q));
                if (q == Question::status) prompt += ' ' + book.say(statusNumbers);
                out += "  " + book.say(askedQuestion, {prompt}) + ' ';
                if (!flush()) return 1;
                line = reader.next();
                if (!line || trimmed(*line).empty() ||
                    line->find_first_not_of(" \t?") != line->npos)
                    break;
                out += wrapped(practiceWorking(e.problem().inputs, book), width);
            }
            if (!line) {
                ended = true;
                out += '\n';  // the end of the input leaves the prompt's line open
                break;
            }
            const Mark mark = e.check(q, *line, book);
            score.count(mark);
            out += wrapped("    " + mark.text(book), width);
            if (!mark.why.empty()) out += wrapped("    " + mark.why, width);
        }
    }
    out += '\n' + wrapped(score.text(book), width);
    for (const std::string& line : score.byQuestion(book))
        out += wrapped("  " + line, width);
    return flush() ? 0 : 1;
}

}  // namespace octaval
