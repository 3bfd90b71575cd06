// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of octaval-cli: its options, and the ADDRESS and MASK operands of one press
// turned into the texts of the eight input boxes.

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/options.h"
#include "cli/practice.h"
#include "report/address_text.h"

namespace octaval {

/// A mistake on the command line; the program prints the message and ends with status 2.
struct UsageError {
    std::string message;
};

/// What the command line asks for.
struct CommandLine {
    using Mode = octaval::Mode;
    Mode mode = Mode::Press;
    bool json = false;
    /// --list, or the practice worksheet, as CSV.
    bool csv = false;
    /// The practice worksheet as an HTML page.
    bool html = false;
    /// What --practice asks for; the options that go with it are refused without it.
    PracticeRequest practice;
    /// --language: the words of the working, the practice and the text worksheet.
    const Phrasebook* book = &Phrasebook::english();
    /// Its code ("en", "de"), for the HTML worksheet's lang attribute.
    std::string_view language = "en";
    /// --batch --addresses: the lines hold ADDRESS[/N] [MASK] rather than eight fields.
    bool addresses = false;
    /// The operands in the order given; they point into the argument vector.
    std::vector<std::string_view> operands;
};

/// Reads the options GNU style with getopt_long (options and operands in any order, "--" ends
/// the options). getopt_long may reorder argv; getopt's own state is left as it was found.
std::variant<CommandLine, UsageError> parseCommandLine(int argc, char* argv[]);

/// The text of --help.
std::string helpText();

/// The text of --version: "octaval-cli" and the version, with a line feed.
std::string versionText();

/// The input texts from the operands ADDRESS[/N] [MASK]: MASK is four dotted parts or /N; with
/// neither, the press takes the natural mask of the address's first part.
std::variant<AddressTexts, UsageError> pressInputs(std::span<const std::string_view> operands);

}  // namespace octaval
