// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/worksheet.h"

#include <algorithm>
#include <vector>

#include "report/json_writer.h"

namespace octaval {
namespace {

// A CSV field, quoted when it holds a comma, a quote or a line break.
void appendCsvField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string questionKeys(const Exercise& e, std::string_view separator) {
    std::string keys;
    for (const Question q : e.questions()) {
        if (!keys.empty()) keys += separator;
        keys += questionKey(q);
    }
    return keys;
}

void appendTextProblem(std::string& out, const Phrasebook& book, std::uint32_t number,
                       const Exercise& e, bool answers) {
    out += '\n' + problemHeading(book, number, 0, e.problem()) + '\n';
    std::vector<std::string> prompts;
    std::size_t width = 0;
    for (const Question q : e.questions()) {
        prompts.push_back(book.say(phrase("Practice", "%1:"), {book.caption(questionPrompt(q))}));
        width = std::max(width, columns(prompts.back()));
    }
    for (std::size_t i = 0; i < prompts.size(); ++i) {
        out += "  ";
        out += prompts[i];
        out.append(width - columns(prompts[i]) + 2, ' ');
        out += answers ? answerInWords(book, e.expected(e.questions()[i])) : "________________";
        out += '\n';
    }
}

}  // namespace

std::string practiceHeading(std::uint64_t seed, const PracticeOptions& options,
                            const Phrasebook& book) {
    return book.say(phrase("Practice", "Octaval practice: seed %1, classes %2, level %3 (%4)"),
                    {std::to_string(seed), options.classes, levelName(options.level),
                     book.say(Phrase{"Practice", levelDescription(options.level)})});
}

std::string problemHeading(const Phrasebook& book, std::uint32_t number, std::uint32_t count,
                           const Problem& problem) {
    if (count == 0)
        return book.say(phrase("Practice", "Problem %1: IP address %2, subnet mask %3"),
                        {std::to_string(number), problem.address(), problem.mask()});
    return book.say(
        phrase("Practice", "Problem %1 of %2: IP address %3, subnet mask %4"),
        {std::to_string(number), std::to_string(count), problem.address(), problem.mask()});
}

std::size_t columns(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void eachWorksheetExercise(const WorksheetRequest& request,
                           const std::function<void(std::uint32_t, const Exercise&)>& write) {
    ProblemGenerator generator(request.seed, request.options);
    for (std::uint32_t number = 1; number <= request.count; ++number)
        write(number, Exercise(generator.next(), request.options.questions));
}

std::string worksheet(const WorksheetRequest& request) {
    // The answer key of a text worksheet draws the same problems again.
    std::string out;
    switch (request.format) {
        case WorksheetFormat::text:
            out += practiceHeading(request.seed, request.options, *request.book) + '\n';
            eachWorksheetExercise(request, [&](std::uint32_t number, const Exercise& e) {
                appendTextProblem(out, *request.book, number, e, false);
            });
            if (!request.answers) break;
            out += '\n' + request.book->say(phrase("Practice", "Answer key")) + '\n';
            eachWorksheetExercise(request, [&](std::uint32_t number, const Exercise& e) {
                appendTextProblem(out, *request.book, number, e, true);
            });
            break;
        case WorksheetFormat::jsonLines:
            eachWorksheetExercise(request, [&](std::uint32_t, const Exercise& e) {
                {
                    JsonObject object(out);
                    object.text("address", e.problem().address());
                    object.text("mask", e.problem().mask());
                    std::vector<std::string_view> keys;
                    for (const Question q : e.questions())
                        keys.push_back(questionKey(q));
                    object.texts("questions", keys);
                    if (request.answers) appendResultJson(object.key("answers"), e.press().boxes);
                }
                out += '\n';
            });
            break;
        case WorksheetFormat::csv:
            out += "problem,address,mask,questions";
            if (request.answers)
                for (const Question q : allQuestions) {
                    out += ',';
                    out += questionKey(q);
                }
            out += "\r\n";
            eachWorksheetExercise(request, [&](std::uint32_t number, const Exercise& e) {
                out += std::to_string(number) + ',' + e.problem().address() + ',' +
                       e.problem().mask() + ',';
                appendCsvField(out, questionKeys(e, " "));
                const auto& asked = e.questions();
                if (request.answers)
                    for (const Question q : allQuestions) {
                        out += ',';
                        if (std::find(asked.begin(), asked.end(), q) != asked.end())
                            appendCsvField(out, e.expected(q));
                    }
                out += "\r\n";
            });
            break;
    }
    return out;
}

}  // namespace octaval
