// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// octaval-cli: the command-line companion of the Octaval window, on the same engine.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/list.h"
#include "cli/platform.h"
#include "report/binary_report.h"
#include "report/press.h"

namespace {

// Writes text to standard output; returns `status`, or 1 after reporting a failed write.
int print(std::string_view text, int status) {
    const auto written = octaval::platform::writeAll(STDOUT_FILENO, text);
    if (written.ok()) return status;
    std::fprintf(stderr, "octaval-cli: cannot write the answer: %s\n", written.message().c_str());
    return 1;
}

int usageError(const octaval::UsageError& error) {
    std::fprintf(stderr, "octaval-cli: %s\nTry 'octaval-cli --help' for more information.\n",
                 error.message.c_str());
    return 2;
}

// Whether the bits are coloured: standard output is a terminal that shows colour and NO_COLOR is
// unset or empty.
bool colourWanted() {
    const char* noColour = std::getenv("NO_COLOR");
    return octaval::platform::colourTerminal(STDOUT_FILENO) &&
           (noColour == nullptr || *noColour == '\0');
}

}  // namespace

int main(int argc, char* argv[]) {
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
            const auto result = octaval::runBatch(STDIN_FILENO, STDOUT_FILENO);
            if (!result.error.empty())
                std::fprintf(stderr, "octaval-cli: %s\n", result.error.c_str());
            return result.exitStatus;
        }
        case CommandLine::Mode::Press:
        case CommandLine::Mode::List:
        case CommandLine::Mode::Binary:
            break;
    }
    const auto parsedInputs = octaval::pressInputs(line.operands);
    if (const auto* error = std::get_if<octaval::UsageError>(&parsedInputs))
        return usageError(*error);
    const auto& inputs = std::get<octaval::AddressTexts>(parsedInputs);
    if (line.mode == CommandLine::Mode::List) {
        // A reader that stops early (| head) ends the list quietly: the write sees EPIPE instead
        // of the program being killed.
#ifdef SIGPIPE
        std::signal(SIGPIPE, SIG_IGN);
#endif
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
    if (line.mode == CommandLine::Mode::Binary)
        return print(octaval::binaryReport(p, colourWanted()), status);
    return print(octaval::pressReport(p.boxes, line.json), status);
}
