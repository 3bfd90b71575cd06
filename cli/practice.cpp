// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/practice.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

#include "cli/platform.h"
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

bool onlyBlanks(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
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

std::string practiceWorking(const AddressTexts& inputs) {
    return workingText(explain(press(inputs)));
}

int runPracticeSession(const PracticeRequest& request, std::uint64_t seed, int inputFd,
                       int outputFd) {
    std::string out = practiceHeading(seed, request.options) + '\n';
    out +=
        "Answer each question and press Enter; \"?\" shows the working. An empty line or the end "
        "of the input (Ctrl+D) ends the session.\nThe status message may be given by its "
        "number:";
    for (std::size_t i = 0; i < status::all.size(); ++i)
        out += "\n  " + std::to_string(i + 1) + "  " + std::string(status::all[i]);
    out += '\n';

    bool failed = false;
    const auto flush = [&] {
        failed = failed || !platform::writeAll(outputFd, out).ok();
        out.clear();
        return !failed;
    };
    LineReader reader(inputFd);
    ProblemGenerator generator(seed, request.options);
    std::uint64_t asked = 0;
    std::uint64_t right = 0;
    bool ended = false;
    for (std::uint32_t n = 1; n <= request.count && !ended; ++n) {
        const Exercise e(generator.next(), request.options.questions);
        out += "\nProblem " + std::to_string(n) + " of " + std::to_string(request.count) +
               ": IP address " + e.problem().address() + ", subnet mask " + e.problem().mask() +
               '\n';
        for (const Question q : e.questions()) {
            std::optional<std::string> line;
            for (;;) {
                out += "  ";
                out += questionPrompt(q);
                out += q == Question::status ? " (1 to 9 or the text)? " : "? ";
                if (!flush()) return 1;
                line = reader.next();
                if (!line || onlyBlanks(*line) || line->find_first_not_of(" \t?") != line->npos)
                    break;
                out += practiceWorking(e.problem().inputs);
            }
            if (!line || onlyBlanks(*line)) {
                ended = true;
                if (!line) out += '\n';  // the end of the input leaves the prompt's line open
                break;
            }
            const Mark mark = e.check(q, *line);
            ++asked;
            right += mark.right ? 1 : 0;
            out += "    " + mark.text() + '\n';
        }
    }
    out += "\nScore: " + std::to_string(right) + " of " + std::to_string(asked) + " right\n";
    return flush() ? 0 : 1;
}

}  // namespace octaval
