// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using octaval::CommandLine;
using Mode = CommandLine::Mode;

// Runs parseCommandLine on a copy of the arguments, as main would get them.
std::variant<CommandLine, octaval::UsageError> parse(std::vector<std::string> args,
                                                     std::vector<std::string>& storage) {
    storage = std::move(args);
    storage.insert(storage.begin(), "octaval-cli");
    std::vector<char*> argv;
    for (auto& arg : storage)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    return octaval::parseCommandLine(static_cast<int>(storage.size()), argv.data());
}

struct GoodLine {
    std::vector<std::string> args;
    Mode mode;
    bool json;
    std::vector<std::string> operands;
};

TEST(ParseCommandLine, AcceptsOptionsAndOperandsInAnyOrder) {
    const std::vector<GoodLine> cases = {
        {{"10.1.2.3"}, Mode::Press, false, {"10.1.2.3"}},
        {{"10.1.2.3", "255.255.0.0"}, Mode::Press, false, {"10.1.2.3", "255.255.0.0"}},
        {{"--json", "10.1.2.3"}, Mode::Press, true, {"10.1.2.3"}},
        {{"10.1.2.3", "--json", "/8"}, Mode::Press, true, {"10.1.2.3", "/8"}},
        {{"-j", "10.1.2.3"}, Mode::Press, true, {"10.1.2.3"}},
        {{"--", "-5.1.2.3"}, Mode::Press, false, {"-5.1.2.3"}},
        {{"--json", "--", "-5.1.2.3", "--json"}, Mode::Press, true, {"-5.1.2.3", "--json"}},
        {{"--batch"}, Mode::Batch, false, {}},
        {{"-b", "--json"}, Mode::Batch, true, {}},
        {{"--help"}, Mode::Help, false, {}},
        {{"--help", "--batch", "1.2.3.4"}, Mode::Help, false, {"1.2.3.4"}},
        {{"-h"}, Mode::Help, false, {}},
        {{"--version"}, Mode::Version, false, {}},
        {{"--vers"}, Mode::Version, false, {}},  // GNU style: an unambiguous abbreviation
        {{"-V", "--batch"}, Mode::Version, false, {}},
        {{}, Mode::Press, false, {}},  // the missing ADDRESS is pressInputs' to report
    };
    for (const auto& c : cases) {
        std::vector<std::string> storage;
        const auto result = parse(c.args, storage);
        const auto* line = std::get_if<CommandLine>(&result);
        ASSERT_NE(line, nullptr) << testing::PrintToString(c.args);
        EXPECT_EQ(line->mode, c.mode) << testing::PrintToString(c.args);
        EXPECT_EQ(line->json, c.json) << testing::PrintToString(c.args);
        EXPECT_EQ(std::vector<std::string>(line->operands.begin(), line->operands.end()),
                  c.operands)
            << testing::PrintToString(c.args);
    }
}

TEST(ParseCommandLine, ReportsUsageErrors) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
        {{"-x", "10.1.2.3"}, "unknown option '-x'"},
        {{"-jx"}, "unknown option '-jx'"},
        {{"--json=yes", "10.1.2.3"}, "option '--json' takes no value"},
        {{"--batch", "10.1.2.3"},
         "--batch reads standard input and takes no ADDRESS, got '10.1.2.3'"},
        {{"-5.1.2.3"},
         "unknown option '-5.1.2.3': an ADDRESS that begins with '-' goes after '--', as in "
         "'octaval-cli -- -5.1.2.3'"},
        {{"10.1.2.3", "-1"},
         "unknown option '-1': an ADDRESS that begins with '-' goes after '--', as in "
         "'octaval-cli -- -1'"},
        {{"--1.2.3.4"},
         "unknown option '--1.2.3.4': an ADDRESS that begins with '-' goes after '--', as in "
         "'octaval-cli -- --1.2.3.4'"},
    };
    for (const auto& [args, message] : cases) {
        std::vector<std::string> storage;
        const auto result = parse(args, storage);
        const auto* error = std::get_if<octaval::UsageError>(&result);
        ASSERT_NE(error, nullptr) << testing::PrintToString(args);
        EXPECT_EQ(error->message, message);
    }
}

TEST(SplitDotted, TakesExactlyFourPartsAsTheyStand) {
    using Parts = std::array<std::string_view, 4>;
    EXPECT_EQ(octaval::splitDotted("10.1.2.3"), (Parts{"10", "1", "2", "3"}));
    EXPECT_EQ(octaval::splitDotted("..."), (Parts{"", "", "", ""}));
    EXPECT_EQ(octaval::splitDotted(" 1e2.&HFF.-3.x"), (Parts{" 1e2", "&HFF", "-3", "x"}));
    EXPECT_EQ(octaval::splitDotted("1000.10.1.1"), (Parts{"1000", "10", "1", "1"}));
    for (const std::string_view bad : {"", "10", "10.1.2", "10.1.2.3.4", "...."})
        EXPECT_FALSE(octaval::splitDotted(bad)) << bad;
}

TEST(PrefixMask, GivesTheFourOctetsOfTheMask) {
    using Octets = std::array<std::string, 4>;
    const std::vector<std::pair<std::string_view, Octets>> cases = {
        {"0", {"0", "0", "0", "0"}},          {"1", {"128", "0", "0", "0"}},
        {"8", {"255", "0", "0", "0"}},        {"9", {"255", "128", "0", "0"}},
        {"16", {"255", "255", "0", "0"}},     {"19", {"255", "255", "224", "0"}},
        {"24", {"255", "255", "255", "0"}},   {"27", {"255", "255", "255", "224"}},
        {"31", {"255", "255", "255", "254"}}, {"32", {"255", "255", "255", "255"}},
        {"08", {"255", "0", "0", "0"}},       {"0008", {"255", "0", "0", "0"}},
    };
    for (const auto& [digits, octets] : cases)
        EXPECT_EQ(octaval::prefixMask(digits), octets) << digits;
    for (const std::string_view bad :
         {"", "33", "99", "100", "99999999999", "-1", "+8", "8 ", " 8", "x", "/8"})
        EXPECT_FALSE(octaval::prefixMask(bad)) << bad;
}

TEST(ParseAddressText, ReadsWhatTheOperandsTake) {
    using Octets = std::array<std::string, 4>;
    const Octets address = {"192", "168", "1", "70"};
    const Octets mask = {"255", "255", "255", "224"};
    const std::vector<std::pair<std::string_view, std::optional<octaval::AddressTexts>>> cases = {
        {"192.168.1.70", octaval::AddressTexts{address, std::nullopt}},
        {"192.168.1.70/27", octaval::AddressTexts{address, mask}},
        {"192.168.1.70 255.255.255.224", octaval::AddressTexts{address, mask}},
        {" 192.168.1.70\t /27\r\n", octaval::AddressTexts{address, mask}},
        {"a..b.", octaval::AddressTexts{{"a", "", "b", ""}, std::nullopt}},
        {"", std::nullopt},
        {"192.168.1", std::nullopt},
        {"192.168.1.70/33", std::nullopt},
        {"192.168.1.70/27 255.255.255.224", std::nullopt},
        {"192.168.1.70 255.255.255.224 x", std::nullopt},
        {"/27 192.168.1.70", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        const auto read = octaval::parseAddressText(text);
        ASSERT_EQ(read.has_value(), expected.has_value()) << text;
        if (!read) continue;
        EXPECT_EQ(read->address, expected->address) << text;
        EXPECT_EQ(read->mask, expected->mask) << text;
    }
}

struct InputsCase {
    std::vector<std::string_view> operands;
    std::array<std::string, 4> address;
    std::array<std::string, 4> mask;
};

TEST(PressInputs, FillsAddressAndMaskBoxes) {
    const std::vector<InputsCase> cases = {
        {{"10.1.2.3", "255.255.0.0"}, {"10", "1", "2", "3"}, {"255", "255", "0", "0"}},
        {{"10.1.2.3", "/20"}, {"10", "1", "2", "3"}, {"255", "255", "240", "0"}},
        {{"10.1.2.3/20"}, {"10", "1", "2", "3"}, {"255", "255", "240", "0"}},
        {{"10.1.2.3/0"}, {"10", "1", "2", "3"}, {"0", "0", "0", "0"}},
        // The mask boxes take any texts, as the window's do.
        {{"10.1.2.3", "255.x..7"}, {"10", "1", "2", "3"}, {"255", "x", "", "7"}},
        // Without a mask: the natural mask of the first part, by the window's rule.
        {{"10.1.2.3"}, {"10", "1", "2", "3"}, {"255", "0", "0", "0"}},
        {{"128.1.1.1"}, {"128", "1", "1", "1"}, {"255", "255", "0", "0"}},
        {{"224.1.1.1"}, {"224", "1", "1", "1"}, {"255", "255", "255", "0"}},
        {{"&HC0..."}, {"&HC0", "", "", ""}, {"255", "255", "255", "0"}},
    };
    for (const auto& c : cases) {
        const auto result = octaval::pressInputs(c.operands);
        const auto* inputs = std::get_if<octaval::PressInputs>(&result);
        ASSERT_NE(inputs, nullptr) << testing::PrintToString(c.operands);
        EXPECT_EQ(inputs->address, c.address) << testing::PrintToString(c.operands);
        EXPECT_EQ(inputs->mask, c.mask) << testing::PrintToString(c.operands);
    }
}

TEST(PressInputs, SaysWhatWasExpected) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
        {{}, "missing ADDRESS: expected four parts joined by dots, such as 10.1.2.3"},
        {{"10.1.2"},
         "ADDRESS '10.1.2' has 3 parts; expected four parts joined by dots, such as 10.1.2.3"},
        {{"10"}, "ADDRESS '10' has 1 part; expected four parts joined by dots, such as 10.1.2.3"},
        {{"10.1.2.3.4/8"},
         "ADDRESS '10.1.2.3.4' has 5 parts; expected four parts joined by dots, such as "
         "10.1.2.3"},
        {{"10.1.2.3", "255.255"},
         "MASK '255.255' has 2 parts; expected four parts joined by dots, such as 255.255.0.0, "
         "or a prefix length /N with N from 0 to 32"},
        {{"10.1.2.3/33"}, "prefix length '/33' is not a whole number from 0 to 32"},
        {{"10.1.2.3/"}, "prefix length '/' is not a whole number from 0 to 32"},
        {{"10.1.2.3", "/8/8"}, "prefix length '/8/8' is not a whole number from 0 to 32"},
        {{"10.1.2.3/8", "255.0.0.0"}, "the mask is given twice: as '/8' and as '255.0.0.0'"},
        {{"/8", "10.1.2.3"}, "the ADDRESS comes first, as in 'octaval-cli 10.1.2.3 /8'"},
        {{"10.1.2.3", "255.0.0.0", "x"}, "too many operands (3): expected ADDRESS[/N] [MASK]"},
    };
    for (const auto& [operands, message] : cases) {
        const auto result = octaval::pressInputs(operands);
        const auto* error = std::get_if<octaval::UsageError>(&result);
        ASSERT_NE(error, nullptr) << testing::PrintToString(operands);
        EXPECT_EQ(error->message, message);
    }
}

}  // namespace
