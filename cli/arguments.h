// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of octaval-cli: its options, and the ADDRESS and MASK operands of one press
// turned into the texts of the eight input boxes.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace octaval {

/// A mistake on the command line; the program prints the message and ends with status 2.
struct UsageError {
    std::string message;
};

/// What the command line asks for.
struct CommandLine {
    enum class Mode { Press, List, Binary, Batch, Help, Version };
    Mode mode = Mode::Press;
    bool json = false;
    /// The operands in the order given; they point into the argument vector.
    std::vector<std::string_view> operands;
};

/// Reads the options GNU style with getopt_long (options and operands in any order, "--" ends
/// the options). getopt_long may reorder argv.
std::variant<CommandLine, UsageError> parseCommandLine(int argc, char* argv[]);

/// The text of --help.
std::string_view helpText();

/// The text of --version: "octaval-cli" and the version, with a line feed.
std::string versionText();

/// The texts of the eight input boxes for one press.
struct PressInputs {
    std::array<std::string, 4> address;
    std::array<std::string, 4> mask;
};

/// The input texts an address fills: its four parts, and the mask's four when one was given.
struct AddressTexts {
    std::array<std::string, 4> address;
    std::optional<std::array<std::string, 4>> mask;
};

/// Reads an address as typed or pasted, in any form octaval-cli's operands take ("10.1.2.3",
/// "10.1.2.3/27", "10.1.2.3 255.255.255.224", "10.1.2.3 /27"); nothing for any other text.
std::optional<AddressTexts> parseAddressText(std::string_view text);

/// The four parts of a text of four parts joined by dots, each as it stands (empty parts
/// included); nothing when the text does not have exactly four parts.
std::optional<std::array<std::string_view, 4>> splitDotted(std::string_view text);

/// The four octet texts of the mask with the given prefix length ("/N" without the slash): N is
/// decimal digits with a value from 0 to 32; nothing for anything else.
std::optional<std::array<std::string, 4>> prefixMask(std::string_view digits);

/// The input texts from the operands ADDRESS[/N] [MASK]: MASK is four dotted parts or /N; with
/// neither, the natural mask of the address's first part.
std::variant<PressInputs, UsageError> pressInputs(std::span<const std::string_view> operands);

}  // namespace octaval
