// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options of octaval-cli, in one table that the parser, --help, the usage messages and the
// shell completions (packaging/completion/CMakeLists.txt reads the rows) are all made from.

#include <array>
#include <cstddef>
#include <string_view>

namespace octaval {

/// What one run of the program does.
enum class Mode : unsigned char {
    Press,
    List,
    Binary,
    Explain,
    Batch,
    Practice,
    Mark,
    Help,
    Version
};

/// A set of modes.
struct ModeSet {
    unsigned bits = 0;
    constexpr ModeSet() = default;
    constexpr ModeSet(Mode mode) : bits(1u << static_cast<unsigned>(mode)) {}
    constexpr bool has(Mode mode) const { return (bits & ModeSet(mode).bits) != 0; }
};

constexpr ModeSet operator|(ModeSet a, ModeSet b) {
    ModeSet both;
    both.bits = a.bits | b.bits;
    return both;
}

// Two modes: without it, a | of two enumerators would find no operator.
constexpr ModeSet operator|(Mode a, Mode b) {
    return ModeSet(a) | ModeSet(b);
}

/// Whether an option chooses its mode or goes with the modes that other options choose. The one
/// rule of the command line: at most one mode is chosen (the press when none is), and every other
/// option belongs to it; --help and --version answer whatever else is given.
enum class Role : unsigned char { chooses, goesWith };

struct CliOption {
    std::string_view name;      // the long form, without "--"
    char letter;                // the short form, or 0
    std::string_view argument;  // the name of its value in --help, empty when it takes none
    ModeSet modes;              // the modes it belongs to; one when it chooses it
    Role role;
    std::string_view excludes;  // an option that it cannot be given with, or empty
    std::string_view brief;     // the description that the shells show beside it
    std::string_view help;      // its description in --help, broken there at the width
};

// One row a line as far as the shells' description, for the completions' reader.
// clang-format off
inline constexpr std::array<CliOption, 20> cliOptions = {{
    {"json", 'j', "", Mode::Press | Mode::List | Mode::Explain | Mode::Batch | Mode::Practice, Role::goesWith, "csv", "print the result as one JSON object",
     "print the result as one JSON object instead of the window's rows"},
    {"list", 'l', "", Mode::List, Role::chooses, "", "list every subnet of the class network under the mask",
     "list every subnet of the address's class network under the mask: number, "
     "network, first and last host, broadcast, and marks on the reserved subnets "
     "(all zeros, all ones) and on the address's own; with --json, one object a line"},
    {"csv", 0, "", Mode::List | Mode::Practice | Mode::Mark, Role::goesWith, "html", "the list or the worksheet as CSV, or the answers to mark",
     "with --list: the list as CSV (RFC 4180), a header record and the same columns; "
     "with --practice, the worksheet as CSV; with --mark, the answers are CSV"},
    {"html", 0, "", Mode::Practice, Role::goesWith, "json", "write the worksheet as an HTML page to print",
     "with --practice, the worksheet as one HTML page to print, the key (--answers) "
     "on a page of its own"},
    {"binary", 0, "", Mode::Binary, Role::chooses, "", "add the address, mask, network and broadcast in binary",
     "after the report, the address, mask, network and broadcast in binary, with "
     "'|' where the class's network bits, the subnet bits and the host bits meet"},
    {"explain", 0, "", Mode::Explain, Role::chooses, "", "print the working of the press step by step",
     "the working of the answer step by step: the bits, the class, the subnet and "
     "host bits, the counts, the block size, the address's subnet, the network and "
     "broadcast, the first and last subnet and the status, or the check that refused "
     "the input; with --json, as one JSON object"},
    {"batch", 'b', "", Mode::Batch, Role::chooses, "", "answer lines of 8 TAB-separated fields from standard input",
     "read lines of 8 TAB-separated fields (the four address parts, then the four "
     "mask parts) from standard input until its end, each line one press on the same "
     "calculator, and answer each with one line of JSON"},
    {"addresses", 0, "", Mode::Batch, Role::goesWith, "", "read each batch line as ADDRESS with an optional prefix or MASK",
     "with --batch: each line is ADDRESS[/N] [MASK] instead, blank-separated"},
    {"practice", 0, "", Mode::Practice, Role::chooses, "", "subnetting exercises checked field by field",
     "subnetting exercises on a terminal: each question is checked and answered "
     "with the expected value; without a terminal, the worksheet"},
    {"seed", 0, "N", Mode::Practice, Role::goesWith, "", "the seed of the problems",
     "the problems' seed (0 to 18446744073709551615): the same seed gives the same "
     "problems everywhere; left out, one is chosen and shown"},
    {"count", 0, "K", Mode::Practice, Role::goesWith, "", "the number of problems",
     "the number of problems (1 to 100000; 10 when left out)"},
    {"classes", 0, "ABC", Mode::Practice, Role::goesWith, "", "the address classes to draw from",
     "the address classes to draw from, one or more of A, B and C"},
    {"level", 0, "LEVEL", Mode::Practice, Role::goesWith, "", "natural, contiguous, any or faults",
     "the masks: natural (the class's own), contiguous, any (every mask the checks "
     "accept, 255.a.b.0 included) or faults (problems that end in every status)"},
    {"questions", 0, "KEYS", Mode::Practice, Role::goesWith, "", "the questions to ask, keys joined by commas",
     "the questions, keys joined by commas: network, broadcast, class, "
     "networkBits, subnetBits, hostBits, subnets, hosts, firstSubnet, lastSubnet, "
     "status (all when left out)"},
    {"worksheet", 0, "", Mode::Practice, Role::chooses, "", "print the problems for paper instead of asking them",
     "print the problems for paper instead of asking them"},
    {"answers", 0, "", Mode::Practice, Role::goesWith, "", "with the worksheet, its answer key",
     "with the worksheet, its answer key (in JSON, --batch's result objects)"},
    {"mark", 0, "", Mode::Mark, Role::chooses, "", "mark the answers of a class read from standard input",
     "mark a class's answers from standard input, JSON Lines (address, mask, "
     "answers by question key, student) or with --csv a CSV with a header of those "
     "names: one JSON line a line, the practice's own marks and reasons, then one "
     "line a question with its counts"},
    {"language", 0, "CODE", Mode::Explain | Mode::Practice, Role::goesWith, "", "the language of the working and the practice (en, de, fr or es)",
     "the language of the working, the questions and the worksheet: en (the "
     "default), de, fr or es; JSON and CSV stay English"},
    {"help", 'h', "", Mode::Help, Role::chooses, "", "print the help and exit",
     "print this help and exit"},
    {"version", 'V', "", Mode::Version, Role::chooses, "", "print the version and exit",
     "print the version and exit"},
}};
// clang-format on

/// The row of the option with that long form; the table's size for none.
constexpr std::size_t cliOptionIndex(std::string_view name) {
    for (std::size_t i = 0; i < cliOptions.size(); ++i)
        if (cliOptions[i].name == name) return i;
    return cliOptions.size();
}

}  // namespace octaval
