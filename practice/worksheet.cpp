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

void appendTextProblem(std::string& out, std::uint32_t number, const Exercise& e, bool answers) {
    out += "\nProblem " + std::to_string(number) + ": IP address " + e.problem().address() +
           ", subnet mask " + e.problem().mask() + '\n';
    std::size_t width = 0;
    for (const Question q : e.questions())
        width = std::max(width, questionPrompt(q).size());
    for (const Question q : e.questions()) {
        out += "  ";
        out += questionPrompt(q);
        out += ':';
        if (answers) {
            out.append(width - questionPrompt(q).size() + 2, ' ');
            out += e.expected(q);
        } else {
            out.append(width - questionPrompt(q).size() + 2, ' ');
            out += "________________";
        }
        out += '\n';
    }
}

}  // namespace

std::string practiceHeading(std::uint64_t seed, const PracticeOptions& options) {
    return "Octaval practice: seed " + std::to_string(seed) + ", classes " + options.classes +
           ", level " + std::string(levelName(options.level)) + " (" +
           std::string(levelDescription(options.level)) + ")";
}

void eachWorksheetExercise(const WorksheetRequest& request,
                           const std::function<void(std::uint32_t, const Exercise&)>& write) {
    ProblemGenerator generator(request.seed, request.options);
    for (std::uint32_t number = 1; number <= request.count; ++number)
        write(number, Exercise(generator.next(), request.options.questions));
}

std::string worksheet(const WorksheetRequest& request) {
    // The answer key of a text worksheet draws the same problems again.
    const auto eachExercise = [&request](const auto& write) {
        eachWorksheetExercise(request, write);
    };
    std::string out;
    switch (request.format) {
        case WorksheetFormat::text:
            out += practiceHeading(request.seed, request.options) + '\n';
            eachExercise([&](std::uint32_t number, const Exercise& e) {
                appendTextProblem(out, number, e, false);
            });
            if (!request.answers) break;
            out += "\nAnswer key\n";
            eachExercise([&](std::uint32_t number, const Exercise& e) {
                appendTextProblem(out, number, e, true);
            });
            break;
        case WorksheetFormat::jsonLines:
            eachExercise([&](std::uint32_t, const Exercise& e) {
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
            eachExercise([&](std::uint32_t number, const Exercise& e) {
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
