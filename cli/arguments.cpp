// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <getopt.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>

#include "report/joined.h"
#include "report/version.h"

namespace octaval {
namespace {

// An argument that getopt took for an option but that reads like a negative number or address.
bool looksLikeNumber(std::string_view argument) {
    const auto start = argument.find_first_not_of('-');
    if (start == std::string_view::npos) return false;
    const char c = argument[start];
    return (c >= '0' && c <= '9') || c == '.';
}

// The argument holding the unknown short option `letter`. Options before it were all valid, so
// it is the first cluster of short options (before "--") that contains the letter.
std::string_view clusterWith(int argc, char* argv[], int letter) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") break;
        if (arg.size() > 1 && arg[0] == '-' && arg[1] != '-' &&
            arg.find(static_cast<char>(letter), 1) != std::string_view::npos)
            return arg;
    }
    return {};
}

// The command line again with the operands after "--", for the hint about an operand that
// begins with '-'.
std::string withDoubleDash(std::span<const std::string_view> args) {
    std::string options = "octaval-cli";
    std::string operands = " --";
    bool afterDashes = false;
    for (const auto arg : args) {
        if (!afterDashes && arg == "--") {
            afterDashes = true;
            continue;
        }
        const bool option =
            !afterDashes && arg.size() > 1 && arg[0] == '-' && !looksLikeNumber(arg);
        (option ? options : operands) += ' ';
        (option ? options : operands) += arg;
    }
    return options + operands;
}

UsageError unknownOption(std::string_view argument, std::span<const std::string_view> args) {
    std::string message = joined({"unknown option '", argument, "'"});
    if (looksLikeNumber(argument)) {
        message += ": an ADDRESS that begins with '-' goes after '--', as in '";
        message += withDoubleDash(args);
        message += '\'';
    }
    return {message};
}

// getopt keeps its state in globals: a parse starts it afresh (glibc and MinGW-w64 take an optind
// of 0 as "reinitialise") with its own messages off, and gives the caller's state back after.
class GetoptScope {
public:
    GetoptScope() : m_optind(optind), m_opterr(opterr), m_optopt(optopt) {
        optind = 0;
        opterr = 0;
    }
    GetoptScope(const GetoptScope&) = delete;
    GetoptScope& operator=(const GetoptScope&) = delete;
    ~GetoptScope() {
        optind = m_optind;
        opterr = m_opterr;
        optopt = m_optopt;
    }

private:
    int m_optind, m_opterr, m_optopt;
};

// The long options that have no short form.
constexpr int practiceOption = 0x100;  // --practice, then the options that go with it
constexpr int csvOption = practiceOption + 8;

// What --practice cannot be given with.
std::optional<UsageError> practiceConflict(const CommandLine& line, bool batch, bool list,
                                           bool binary) {
    for (const auto& [given, name] :
         {std::pair{batch, "--batch"}, std::pair{list, "--list"}, std::pair{binary, "--binary"}})
        if (given) return UsageError{joined({name, " and --practice exclude each other"})};
    if (!line.operands.empty())
        return UsageError{joined({"--practice draws its own problems and takes no ADDRESS, got '",
                                  line.operands.front(), "'"})};
    if (line.json && line.csv) return UsageError{"--json and --csv exclude each other"};
    return std::nullopt;
}

}  // namespace

std::string_view helpText() {
    return R"(Usage: octaval-cli [--json] ADDRESS[/N] [MASK]
       octaval-cli --list [--json | --csv] ADDRESS[/N] [MASK]
       octaval-cli --binary ADDRESS[/N] [MASK]
       octaval-cli --explain [--json] ADDRESS[/N] [MASK]
       octaval-cli --batch [--addresses]
       octaval-cli --practice [--seed N] [--count K] [--classes ABC] [--level LEVEL]
                   [--questions KEYS] [--worksheet [--answers] [--json | --csv]]
Classful IPv4 subnetting from the shell: one press of "Recalculate" of the Octaval window.

  ADDRESS        four parts joined by dots, such as 10.1.2.3; each part goes into its box as
                 it stands
  MASK           four parts joined by dots, such as 255.255.0.0, or a prefix length /N with
                 N from 0 to 32; either may follow ADDRESS after a slash, as in
                 10.1.2.3/255.255.0.0; left out, the natural mask of the address's class
  -j, --json     print the result as one JSON object instead of the window's rows
  -l, --list     list every subnet of the address's class network under the mask: number,
                 network, first and last host, broadcast, and marks on the reserved subnets
                 (all zeros, all ones) and on the address's own; with --json, one object a line
  --csv          with --list: the list as CSV (RFC 4180), a header record and the same columns;
                 with --practice, the worksheet as CSV
  --binary       after the report, the address, mask, network and broadcast in binary, with
                 '|' where the class's network bits, the subnet bits and the host bits meet
  --explain      the working of the answer step by step: the bits, the class, the subnet and
                 host bits, the counts, the block size, the address's subnet, the network and
                 broadcast, the first and last subnet and the status, or the check that refused
                 the input; with --json, as one JSON object
  -b, --batch    read lines of 8 TAB-separated fields (the four address parts, then the four
                 mask parts) from standard input until its end, each line one press on the same
                 calculator, and answer each with one line of JSON
  --addresses    with --batch: each line is ADDRESS[/N] [MASK] instead, blank-separated
  --practice     subnetting exercises on a terminal: each question is checked and answered
                 with the expected value; without a terminal, the worksheet
  --seed N       the problems' seed (0 to 18446744073709551615): the same seed gives the same
                 problems everywhere; left out, one is chosen and shown
  --count K      the number of problems (1 to 100000; 10 when left out)
  --classes ABC  the address classes to draw from, one or more of A, B and C
  --level LEVEL  the masks: natural (the class's own), contiguous, any (every mask the checks
                 accept, 255.a.b.0 included) or faults (problems that end in every status)
  --questions KEYS  the questions, keys joined by commas: network, broadcast, class,
                 networkBits, subnetBits, hostBits, subnets, hosts, firstSubnet, lastSubnet,
                 status (all when left out)
  --worksheet    print the problems for paper instead of asking them
  --answers      with the worksheet, its answer key (in JSON, --batch's result objects)
  -h, --help     print this help and exit
  -V, --version  print the version and exit
  --             end of the options: an ADDRESS that begins with '-' goes after it

Exit status: 0 when the status is "OK" (batch: every line could be read), 1 when the status is
another message (batch: a line was malformed, or reading or writing failed; list: the list
could not be given), 2 for a usage error.

Examples: octaval-cli --list 192.168.1.70/27
          octaval-cli --binary 172.16.5.9 255.255.240.0
          octaval-cli --explain 130.1.255.1/24
)";
}

std::string versionText() {
    std::string text = "octaval-cli ";
    text += version::display;
    text += '\n';
    return text;
}

std::variant<CommandLine, UsageError> parseCommandLine(int argc, char* argv[]) {
    // The codes of the options without a short form lie beyond every character, so that no
    // unknown short option is taken for one of them.
    // Beyond the practice options' codes.
    enum : int { binaryOption = 0x200, addressesOption, explainOption };
    static const option longOptions[] = {
        {"batch", no_argument, nullptr, 'b'},
        {"addresses", no_argument, nullptr, addressesOption},
        {"list", no_argument, nullptr, 'l'},
        {"binary", no_argument, nullptr, binaryOption},
        {"explain", no_argument, nullptr, explainOption},
        {"json", no_argument, nullptr, 'j'},
        {"help", no_argument, nullptr, 'h'},
        {"version", no_argument, nullptr, 'V'},
        {"practice", no_argument, nullptr, practiceOption},
        {"worksheet", no_argument, nullptr, practiceOption + 1},
        {"answers", no_argument, nullptr, practiceOption + 2},
        {"seed", required_argument, nullptr, practiceOption + 3},
        {"count", required_argument, nullptr, practiceOption + 4},
        {"classes", required_argument, nullptr, practiceOption + 5},
        {"level", required_argument, nullptr, practiceOption + 6},
        {"questions", required_argument, nullptr, practiceOption + 7},
        {"csv", no_argument, nullptr, csvOption},
        {nullptr, 0, nullptr, 0},
    };
    static constexpr std::string_view shortOptions = "bljhV";

    // As given: getopt_long reorders argv.
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    CommandLine line;
    bool batch = false;
    bool list = false;
    bool binary = false;
    bool explain = false;
    bool addresses = false;
    bool help = false;
    bool version = false;
    bool practice = false;
    std::string_view practiceOnly;  // the first option given that goes with --practice only
    const GetoptScope scope;
    for (;;) {
        int index = -1;
        const int c = getopt_long(argc, argv, shortOptions.data(), longOptions, &index);
        if (c == -1) break;
        if (c >= practiceOption && c < csvOption) {
            const std::string_view name = longOptions[index].name;
            const std::string dashed = "--" + std::string(name);
            if (c == practiceOption) {
                practice = true;
            } else if (c == practiceOption + 1) {
                line.practice.worksheet = true;
            } else if (c == practiceOption + 2) {
                line.practice.answers = true;
            } else if (auto error = readPracticeValue(dashed, optarg, line.practice)) {
                return UsageError{std::move(*error)};
            }
            if (c != practiceOption && c != practiceOption + 1 && practiceOnly.empty())
                practiceOnly = name;
            continue;
        }
        switch (c) {
            case 'b':
                batch = true;
                break;
            case 'l':
                list = true;
                break;
            case binaryOption:
                binary = true;
                break;
            case explainOption:
                explain = true;
                break;
            case addressesOption:
                addresses = true;
                break;
            case 'j':
                line.json = true;
                break;
            case 'h':
                help = true;
                break;
            case 'V':
                version = true;
                break;
            case csvOption:
                line.csv = true;
                break;
            default: {
                // A practice option without its value.
                for (const option& o : longOptions)
                    if (o.name && o.val == optopt && o.has_arg == required_argument)
                        return UsageError{joined({"option '--", o.name, "' needs a value"})};
                // A long option was unknown (optopt 0) or given a value; or a short one unknown.
                if (optopt == 0) return unknownOption(argv[optind - 1], args);
                if (optopt >= practiceOption ||
                    shortOptions.find(static_cast<char>(optopt)) != std::string_view::npos) {
                    std::string_view arg = argv[optind - 1];
                    arg = arg.substr(0, arg.find('='));
                    return UsageError{joined({"option '", arg, "' takes no value"})};
                }
                const std::string_view cluster = clusterWith(argc, argv, optopt);
                if (!cluster.empty()) return unknownOption(cluster, args);
                return unknownOption(std::string("-") + static_cast<char>(optopt), args);
            }
        }
    }
    for (int i = optind; i < argc; ++i)
        line.operands.emplace_back(argv[i]);

    if (addresses && !batch && !help && !version)
        return UsageError{"--addresses goes only with --batch"};
    // --worksheet asks for practice; with practice, the worksheet's own options ask for it.
    practice = practice || line.practice.worksheet;
    if (practice)
        line.practice.worksheet =
            line.practice.worksheet || line.practice.answers || line.csv || line.json;
    if (help) {
        line.mode = CommandLine::Mode::Help;
    } else if (version) {
        line.mode = CommandLine::Mode::Version;
    } else if (practice) {
        if (auto error = practiceConflict(line, batch, list, binary)) return std::move(*error);
        line.mode = CommandLine::Mode::Practice;
    } else if (!practiceOnly.empty()) {
        return UsageError{joined({"--", practiceOnly, " goes with --practice"})};
    } else if (batch) {
        if (!line.operands.empty())
            return UsageError{joined({"--batch reads standard input and takes no ADDRESS, got '",
                                      line.operands.front(), "'"})};
        if (list || binary || explain || line.csv)
            return UsageError{joined({list      ? "--list"
                                      : binary  ? "--binary"
                                      : explain ? "--explain"
                                                : "--csv",
                                      " and --batch exclude each other"})};
        line.mode = CommandLine::Mode::Batch;
        line.addresses = addresses;
    } else if (line.csv && !list) {
        return UsageError{"--csv goes with --list, as in 'octaval-cli --list --csv 10.1.2.3/24'"};
    } else if (line.csv && line.json) {
        return UsageError{"--csv and --json exclude each other"};
    } else if (list && binary) {
        return UsageError{"--list and --binary exclude each other"};
    } else if (explain && (list || binary)) {
        return UsageError{
            joined({list ? "--list" : "--binary", " and --explain exclude each other"})};
    } else if (binary && line.json) {
        return UsageError{"--binary writes text and takes no --json"};
    } else if (list) {
        line.mode = CommandLine::Mode::List;
    } else if (binary) {
        line.mode = CommandLine::Mode::Binary;
    } else if (explain) {
        line.mode = CommandLine::Mode::Explain;
    }
    return line;
}

std::variant<AddressTexts, UsageError> pressInputs(std::span<const std::string_view> operands) {
    if (operands.empty()) return UsageError{joined({"missing ADDRESS: expected ", addressExample})};
    if (operands.size() > 2)
        return UsageError{joined({"too many operands (", std::to_string(operands.size()),
                                  "): expected ADDRESS[/N] [MASK]"})};
    auto read =
        readAddress(operands[0], operands.size() == 2 ? std::optional<std::string_view>(operands[1])
                                                      : std::nullopt);
    if (auto* error = std::get_if<std::string>(&read)) return UsageError{std::move(*error)};
    return std::move(std::get<AddressTexts>(read));
}

}  // namespace octaval
