// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/address_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace {

using octaval::AddressTexts;
using Texts = std::array<std::string, 4>;

// A line of the form ADDRESS[/N] [MASK]: the texts it fills the boxes with, or the message.
struct LineRow {
    const char* name;
    std::string_view text;
    std::variant<AddressTexts, std::string_view> read;
};

class ReadAddressLine : public testing::TestWithParam<LineRow> {};

TEST_P(ReadAddressLine, GivesTheBoxTextsOrSaysWhatIsWrong) {
    const LineRow& row = GetParam();
    const auto read = octaval::readAddressLine(row.text);
    ASSERT_EQ(read.index(), row.read.index()) << (read.index() ? std::get<1>(read) : "");
    EXPECT_EQ(octaval::parseAddressText(row.text).has_value(), read.index() == 0);
    if (read.index() == 1) {
        EXPECT_EQ(std::get<1>(read), std::get<1>(row.read));
        return;
    }
    EXPECT_EQ(std::get<0>(read).address, std::get<0>(row.read).address);
    EXPECT_EQ(std::get<0>(read).mask, std::get<0>(row.read).mask);
}

const Texts address70 = {"192", "168", "1", "70"}, tenOneTwoThree = {"10", "1", "2", "3"};
const Texts mask27 = {"255", "255", "255", "224"};
constexpr std::string_view noAddress =
    "ADDRESS is empty; expected four parts joined by dots, such as 10.1.2.3";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Forms, ReadAddressLine,
    testing::Values(
        LineRow{"address", "192.168.1.70", AddressTexts{address70, {}}},
        LineRow{"prefix", "192.168.1.70/27", AddressTexts{address70, mask27}},
        LineRow{"mask", "192.168.1.70 255.255.255.224", AddressTexts{address70, mask27}},
        LineRow{"maskAfterSlash", "192.168.1.70/255.255.255.224", AddressTexts{address70, mask27}},
        LineRow{"blanksAndZeros", " 192.168.1.70\t /0027\r\n", AddressTexts{address70, mask27}},
        LineRow{"prefixZero", "10.1.2.3/0", AddressTexts{tenOneTwoThree, Texts{"0", "0", "0", "0"}}},
        LineRow{"prefixNine", "10.1.2.3/9", AddressTexts{tenOneTwoThree, Texts{"255", "128", "0", "0"}}},
        LineRow{"prefixLast", "10.1.2.3 /32", AddressTexts{tenOneTwoThree, Texts{"255", "255", "255", "255"}}},
        LineRow{"partsAsTheyStand", "&H1..1e2. 255.-1..", AddressTexts{Texts{"&H1", "", "1e2", ""}, Texts{"255", "-1", "", ""}}},
        LineRow{"prefixPast", "10.1.2.3/33", "prefix length '/33' is not a whole number from 0 to 32"},
        LineRow{"prefixExponent", "10.1.2.3/1e1", "prefix length '/1e1' is not a whole number from 0 to 32"},
        LineRow{"maskTwice", "1.2.3.4/8 255.0.0.0", "the mask is given twice: as '/8' and as '255.0.0.0'"},
        LineRow{"maskFirst", "/27 192.168.1.70", "the ADDRESS comes first, as in 'octaval-cli 192.168.1.70 /27'"},
        LineRow{"empty", "", noAddress},
        LineRow{"blanksOnly", " \t ", noAddress}),
    [](const testing::TestParamInfo<LineRow>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
