// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// octaval-cli: the command-line companion of the Octaval window, on the same engine.
#include <unistd.h>

#include <csignal>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "cli/arguments.h"
#include "cli/batch.h"
#include "cli/binary_report.h"
#include "cli/platform.h"
#include "cli/press.h"
#include "cli/subnet_list.h"

namespace {

// Writes text to standard output; returns `status`, or 1 after reporting a failed write.
int print(std::string_view text, int status) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    // An unbuffered stream (a device on Windows) reports the failed write only through ferror.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "octaval-cli: cannot write the answer: %s\n", std::strerror(errno));
        return 1;
    }
    return status;
}

int usageError(const octaval::UsageError& error) {
    std::fprintf(stderr, "octaval-cli: %s\nTry 'octaval-cli --help' for more information.\n",
                 error.message.c_str());
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    octaval::platform::prepareProgram(argc, argv);
    using octaval::CommandLine;
    const auto parsed = octaval::parseCommandLine(argc, argv);
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
    const auto& inputs = std::get<octaval::PressInputs>(parsedInputs);
    if (line.mode == CommandLine::Mode::List) {
        // A reader that stops early (| head) ends the list quietly: the write sees EPIPE instead
        // of the program being killed.
#ifdef SIGPIPE
        std::signal(SIGPIPE, SIG_IGN);
#endif
        const auto result = octaval::writeSubnetList(inputs, line.json, STDOUT_FILENO);
        if (!result.error.empty()) std::fprintf(stderr, "octaval-cli: %s\n", result.error.c_str());
        return result.exitStatus;
    }
    const auto answer = line.mode == CommandLine::Mode::Binary
                            ? octaval::answerBinary(inputs, octaval::colourWanted(STDOUT_FILENO))
                            : octaval::answerPress(inputs, line.json);
    return print(answer.output, answer.exitStatus);
}
