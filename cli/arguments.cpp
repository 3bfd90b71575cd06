// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <getopt.h>

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <utility>

#include "cli/options.h"
#include "report/joined.h"
#include "report/phrases/phrases.h"
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

// The getopt code of each row: its short letter, or beyond every character its row's index, so
// that no unknown short option is taken for one without a short form.
constexpr int rowCode = 0x100;

constexpr int codeOf(std::size_t row) {
    return cliOptions[row].letter != 0 ? cliOptions[row].letter : rowCode + int(row);
}

// The row of a getopt code, or the table's size for none.
std::size_t rowOf(int code) {
    if (code >= rowCode) return std::min(std::size_t(code - rowCode), cliOptions.size());
    for (std::size_t i = 0; i < cliOptions.size(); ++i)
        if (cliOptions[i].letter != 0 && cliOptions[i].letter == code) return i;
    return cliOptions.size();
}

std::string dashed(const CliOption& o) {
    return joined({"--", o.name});
}

// "--a", "--a or --b", "--a, --b or --c".
std::string alternatives(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += names[i];
    }
    return text;
}

// Why the options given cannot go together, by the table's one rule: the first two options (in
// the table's order) that choose different modes exclude each other; an option given outside its
// modes goes with the options that choose them, or, when it works without any (in the plain
// answer), excludes the one that chose the mode; and an option excludes the one its row names.
std::optional<UsageError> conflict(const std::array<bool, cliOptions.size()>& given) {
    std::size_t chooser = cliOptions.size();
    for (std::size_t i = 0; i < cliOptions.size(); ++i) {
        const CliOption& o = cliOptions[i];
        if (!given[i] || o.role != Role::chooses) continue;
        if (chooser == cliOptions.size()) {
            chooser = i;
        } else if (o.modes.bits != cliOptions[chooser].modes.bits) {
            return UsageError{
                joined({dashed(cliOptions[chooser]), " and ", dashed(o), " exclude each other"})};
        }
    }
    const ModeSet mode = chooser == cliOptions.size() ? Mode::Press : cliOptions[chooser].modes;
    for (std::size_t i = 0; i < cliOptions.size(); ++i) {
        const CliOption& o = cliOptions[i];
        if (!given[i] || (o.modes.bits & mode.bits) != 0) continue;
        if (o.modes.has(Mode::Press))
            return UsageError{
                joined({dashed(o), " and ", dashed(cliOptions[chooser]), " exclude each other"})};
        std::vector<std::string> choosers;
        for (const CliOption& c : cliOptions)
            if (c.role == Role::chooses && (c.modes.bits & o.modes.bits) != 0)
                choosers.push_back(dashed(c));
        return UsageError{joined({dashed(o), " goes with ", alternatives(choosers)})};
    }
    for (std::size_t i = 0; i < cliOptions.size(); ++i) {
        const CliOption& o = cliOptions[i];
        if (given[i] && !o.excludes.empty() && given[cliOptionIndex(o.excludes)])
            return UsageError{joined({dashed(o), " and --", o.excludes, " exclude each other"})};
    }
    return std::nullopt;
}

// Each option's lines in --help, its names in a column of 17 characters.
void appendOptionHelp(std::string& text, const CliOption& o) {
    constexpr std::size_t column = 17;
    const std::size_t start = text.size();
    text += "  ";
    if (o.letter != 0) text += {'-', o.letter, ',', ' '};
    text += dashed(o);
    if (!o.argument.empty()) {
        text += ' ';
        text += o.argument;
    }
    text.append(std::max<std::size_t>(2, column - std::min(column, text.size() - start)), ' ');
    // The description is broken between words so that no line is wider than a terminal of
    // 80 columns.
    constexpr std::size_t width = 79;
    std::size_t lineStart = start;
    bool first = true;
    for (std::string_view rest = o.help; !rest.empty();) {
        const std::size_t end = std::min(rest.find(' '), rest.size());
        const std::string_view word = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (!first && text.size() - lineStart + 1 + word.size() > width) {
            text += '\n';
            lineStart = text.size();
            text.append(column, ' ');
        } else if (!first) {
            text += ' ';
        }
        text += word;
        first = false;
    }
    text += '\n';
}

}  // namespace

std::string helpText() {
    std::string text = R"(Usage: octaval-cli [--json] ADDRESS[/N] [MASK]
       octaval-cli --list [--json | --csv] ADDRESS[/N] [MASK]
       octaval-cli --binary ADDRESS[/N] [MASK]
       octaval-cli --explain [--json] [--language CODE] ADDRESS[/N] [MASK]
       octaval-cli --batch [--addresses]
       octaval-cli --practice [--seed N] [--count K] [--classes ABC]
                   [--level LEVEL] [--questions KEYS] [--language CODE]
                   [--worksheet [--answers] [--json | --csv | --html]]
       octaval-cli --mark [--csv]
Classful IPv4 subnetting from the shell: one press of "Recalculate" of the
Octaval window.

  ADDRESS        four parts joined by dots, such as 10.1.2.3; each part goes
                 into its box as it stands
  MASK           four parts joined by dots, such as 255.255.0.0, or a prefix
                 length /N with N from 0 to 32; either may follow ADDRESS after
                 a slash, as in 10.1.2.3/255.255.0.0; left out, the natural
                 mask of the address's class
)";
    for (const CliOption& o : cliOptions)
        appendOptionHelp(text, o);
    text += R"(  --             end of the options: an ADDRESS that begins with '-' goes
                 after it

Exit status: 0 when the status is "OK" (batch, mark: every line could be read),
1 when the status is another message (batch, mark: a line was malformed, or
reading or writing failed; list: the list could not be given), 2 for a usage
error.

Examples: octaval-cli --list 192.168.1.70/27
          octaval-cli --binary 172.16.5.9 255.255.240.0
          octaval-cli --explain 130.1.255.1/24
)";
    return text;
}

std::string versionText() {
    std::string text = "octaval-cli ";
    text += version::display;
    text += '\n';
    return text;
}

std::variant<CommandLine, UsageError> parseCommandLine(int argc, char* argv[]) {
    std::array<option, cliOptions.size() + 1> longOptions{};
    std::string shortOptions;
    for (std::size_t i = 0; i < cliOptions.size(); ++i) {
        const CliOption& o = cliOptions[i];
        longOptions[i] = {o.name.data(), o.argument.empty() ? no_argument : required_argument,
                          nullptr, codeOf(i)};
        if (o.letter != 0) shortOptions += o.letter;
    }

    // As given: getopt_long reorders argv.
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    CommandLine line;
    std::array<bool, cliOptions.size()> given{};
    const GetoptScope scope;
    for (;;) {
        int index = -1;
        const int c = getopt_long(argc, argv, shortOptions.c_str(), longOptions.data(), &index);
        if (c == -1) break;
        const std::size_t row = rowOf(c);
        if (row < cliOptions.size()) {
            given[row] = true;
            if (cliOptions[row].name == "language") {
                line.book = phrasebookFor(optarg);
                line.language = optarg;
                if (!line.book)
                    return UsageError{joined(
                        {"option '--language' takes ", languageCodes(), ", got '", optarg, "'"})};
            } else if (!cliOptions[row].argument.empty()) {
                if (auto error = readPracticeValue(dashed(cliOptions[row]), optarg, line.practice))
                    return UsageError{std::move(*error)};
            }
            continue;
        }
        // An option without its value.
        const std::size_t known = rowOf(optopt);
        if (known < cliOptions.size() && !cliOptions[known].argument.empty())
            return UsageError{joined({"option '", dashed(cliOptions[known]), "' needs a value"})};
        // A long option was unknown (optopt 0) or given a value; or a short one unknown.
        if (optopt == 0) return unknownOption(argv[optind - 1], args);
        if (known < cliOptions.size()) {
            std::string_view arg = argv[optind - 1];
            arg = arg.substr(0, arg.find('='));
            return UsageError{joined({"option '", arg, "' takes no value"})};
        }
        const std::string_view cluster = clusterWith(argc, argv, optopt);
        if (!cluster.empty()) return unknownOption(cluster, args);
        return unknownOption(std::string("-") + static_cast<char>(optopt), args);
    }
    for (int i = optind; i < argc; ++i)
        line.operands.emplace_back(argv[i]);

    const auto has = [&given](std::string_view name) { return given[cliOptionIndex(name)]; };
    if (has("help")) {
        line.mode = Mode::Help;
        return line;
    }
    if (has("version")) {
        line.mode = Mode::Version;
        return line;
    }
    if (auto error = conflict(given)) return std::move(*error);
    for (std::size_t i = 0; i < cliOptions.size(); ++i)
        if (given[i] && cliOptions[i].role == Role::chooses)
            line.mode = Mode(std::countr_zero(cliOptions[i].modes.bits));
    line.json = has("json");
    line.csv = has("csv");
    line.html = has("html");
    line.addresses = has("addresses");
    line.practice.answers = has("answers");
    // The worksheet's own options ask for it.
    line.practice.worksheet =
        line.mode == Mode::Practice &&
        (has("worksheet") || line.practice.answers || line.csv || line.json || line.html);
    if ((line.mode == Mode::Batch || line.mode == Mode::Mark) && !line.operands.empty())
        return UsageError{joined({line.mode == Mode::Batch ? "--batch" : "--mark",
                                  " reads standard input and takes no ADDRESS, got '",
                                  line.operands.front(), "'"})};
    if (line.mode == Mode::Practice && !line.operands.empty())
        return UsageError{joined({has("practice") ? "--practice" : "--worksheet",
                                  " draws its own problems and takes no ADDRESS, got '",
                                  line.operands.front(), "'"})};
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
