// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// octaval-cli: the command-line companion of the Octaval window, on the same engine.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/list.h"
#include "cli/platform.h"
#include "cli/practice.h"
#include "practice/marking.h"
#include "practice/worksheet_html.h"
#include "report/binary_report.h"
#include "report/escape.h"
#include "report/json_writer.h"
#include "report/phrases/phrases.h"
#include "report/press.h"
#include "report/text_report.h"
#include "report/working/text.h"

namespace {

// Writes text to standard output; returns `status`, or 1 after reporting a failed write. A
// reader that has gone away wants no more: that is no failure.
int print(std::string_view text, int status) {
    const auto written = octaval::platform::writeAll(STDOUT_FILENO, text);
    if (written.ok() || written.closed()) return status;
    std::fprintf(stderr, "octaval-cli: cannot write the answer: %s\n", written.message().c_str());
    return 1;
}

int usageError(const octaval::UsageError& error) {
    // The message may quote what was typed: its control characters are shown, not sent to the
    // terminal.
    std::string message;
    octaval::appendEscaped(message, error.message, octaval::Escape::visible);
    std::fprintf(stderr, "octaval-cli: %s\nTry 'octaval-cli --help' for more information.\n",
                 message.c_str());
    return 2;
}

// The colours of the bits: those that standard output shows, none when NO_COLOR is set and not
// empty.
octaval::ColourDepth colourWanted() {
    const char* noColour = std::getenv("NO_COLOR");
    if (noColour != nullptr && *noColour != '\0') return octaval::ColourDepth::none;
    return octaval::platform::colourTerminal(STDOUT_FILENO);
}

}  // namespace

int main(int argc, char* argv[]) {
    // A reader that stops early (| head) ends the output quietly, in every mode: the write sees
    // EPIPE instead of the program being killed.
#ifdef SIGPIPE
    std::signal(SIGPIPE, SIG_IGN);
#endif
    octaval::platform::Arguments arguments(argc, argv);
    if (!arguments.error().empty()) return usageError({arguments.error()});
    using octaval::CommandLine;
    const auto parsed = octaval::parseCommandLine(arguments.argc(), arguments.argv());
    if (const auto* error = std::get_if<octaval::UsageError>(&parsed)) return usageError(*error);
    const auto& line = std::get<CommandLine>(parsed);

    switch (line.mode) {
        case CommandLine::Mode::Help:
            return print(octaval::helpText(), 0);
        case CommandLine::Mode::Version:
            return print(octaval::versionText(), 0);
        case CommandLine::Mode::Batch: {
            const auto result = octaval::runBatch(
                STDIN_FILENO, STDOUT_FILENO,
                line.addresses ? octaval::BatchFormat::addresses : octaval::BatchFormat::fields);
            if (!result.error.empty())
                std::fprintf(stderr, "octaval-cli: %s\n", result.error.c_str());
            return result.exitStatus;
        }
        case CommandLine::Mode::Mark: {
            std::string input;
            if (const auto error = octaval::platform::readAll(STDIN_FILENO, input);
                !error.empty()) {
                std::fprintf(stderr, "octaval-cli: cannot read the answers: %s\n", error.c_str());
                return 1;
            }
            // The answers are read in every language the program speaks.
            std::vector<const octaval::Phrasebook*> readers{&octaval::Phrasebook::english()};
            for (const octaval::PhraseTable& table : octaval::languages)
                readers.push_back(octaval::phrasebookFor(table.code));
            const auto marks = octaval::markClass(
                input, line.csv ? octaval::AnswerFormat::csv : octaval::AnswerFormat::jsonLines,
                readers);
            return print(marks.out, marks.allRead ? 0 : 1);
        }
        case CommandLine::Mode::Practice: {
            const auto& request = line.practice;
            const std::uint64_t seed = request.seed ? *request.seed : octaval::freshSeed();
            // Questions are asked only of a person at a terminal; anyone else gets the worksheet
            // and the program never waits for input.
            if (!request.worksheet && octaval::platform::isTerminal(STDIN_FILENO) &&
                octaval::platform::isTerminal(STDOUT_FILENO))
                return octaval::runPracticeSession(request, seed, STDIN_FILENO, STDOUT_FILENO,
                                                   *line.book);
            octaval::WorksheetRequest sheet;
            sheet.seed = seed;
            sheet.count = request.count;
            sheet.options = request.options;
            sheet.format = line.json  ? octaval::WorksheetFormat::jsonLines
                           : line.csv ? octaval::WorksheetFormat::csv
                                      : octaval::WorksheetFormat::text;
            sheet.answers = request.answers;
            sheet.book = line.book;
            return print(line.html ? octaval::worksheetHtml(sheet, line.language)
                                   : octaval::worksheet(sheet),
                         0);
        }
        case CommandLine::Mode::Press:
        case CommandLine::Mode::List:
        case CommandLine::Mode::Binary:
        case CommandLine::Mode::Explain:
            break;
    }
    const auto parsedInputs = octaval::pressInputs(line.operands);
    if (const auto* error = std::get_if<octaval::UsageError>(&parsedInputs))
        return usageError(*error);
    const auto& inputs = std::get<octaval::AddressTexts>(parsedInputs);
    if (line.mode == CommandLine::Mode::List) {
        const auto result = octaval::writeSubnetList(inputs,
                                                     line.csv    ? octaval::ListFormat::csv
                                                     : line.json ? octaval::ListFormat::jsonLines
                                                                 : octaval::ListFormat::text,
                                                     STDOUT_FILENO);
        if (!result.error.empty()) std::fprintf(stderr, "octaval-cli: %s\n", result.error.c_str());
        return result.exitStatus;
    }
    const octaval::Press p = octaval::press(inputs);
    const int status = p.outcome.ok() ? 0 : 1;
    if (line.mode == CommandLine::Mode::Explain) {
        // JSON is data, in English whatever the language.
        const octaval::Explanation working =
            octaval::explain(p, line.json ? octaval::Phrasebook::english() : *line.book);
        if (!line.json) return print(octaval::workingText(working), status);
        std::string out;
        octaval::appendWorkingJson(out, working);
        out += '\n';
        return print(out, status);
    }
    if (line.mode == CommandLine::Mode::Binary)
        return print(octaval::binaryReport(p, colourWanted()), status);
    return print(octaval::pressReport(p.boxes, line.json), status);
}
