// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/address_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace {

using Texts = std::array<std::string, 4>;

// A line of the form ADDRESS[/N] [MASK]: the texts it fills the boxes with, or the message.
struct LineRow {
    const char* name;
    std::string_view text;
    std::variant<std::pair<Texts, std::optional<Texts>>, std::string_view> read;
};

class ReadAddressLine : public testing::TestWithParam<LineRow> {};

TEST_P(ReadAddressLine, GivesTheBoxTextsOrSaysWhatIsWrong) {
    const LineRow& row = GetParam();
    const auto read = octaval::readAddressLine(row.text);
    if (const auto* message = std::get_if<std::string_view>(&row.read)) {
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_EQ(std::get<std::string>(read), *message);
        EXPECT_FALSE(octaval::parseAddressText(row.text));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<octaval::AddressTexts>(read)) << std::get<std::string>(read);
    const auto& [address, mask] = std::get<0>(row.read);
    EXPECT_EQ(std::get<octaval::AddressTexts>(read).address, address);
    EXPECT_EQ(std::get<octaval::AddressTexts>(read).mask, mask);
}

const Texts address70 = {"192", "168", "1", "70"};
const Texts mask27 = {"255", "255", "255", "224"};

using Read = std::pair<Texts, std::optional<Texts>>;

const Texts tenOneTwoThreeTexts = {"10", "1", "2", "3"};
constexpr std::string_view noAddress =
    "ADDRESS is empty; expected four parts joined by dots, such as 10.1.2.3";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Forms, ReadAddressLine,
    testing::Values(
        LineRow{"address", "192.168.1.70", Read{address70, std::nullopt}},
        LineRow{"prefix", "192.168.1.70/27", Read{address70, mask27}},
        LineRow{"mask", "192.168.1.70 255.255.255.224", Read{address70, mask27}},
        LineRow{"maskAfterSlash", "192.168.1.70/255.255.255.224", Read{address70, mask27}},
        LineRow{"blanksAndZeros", " 192.168.1.70\t /0027\r\n", Read{address70, mask27}},
        LineRow{"prefixZero", "10.1.2.3/0", Read{tenOneTwoThreeTexts, Texts{"0", "0", "0", "0"}}},
        LineRow{"prefixNine", "10.1.2.3/9", Read{tenOneTwoThreeTexts, Texts{"255", "128", "0", "0"}}},
        LineRow{"prefixLast", "10.1.2.3 /32", Read{tenOneTwoThreeTexts, Texts{"255", "255", "255", "255"}}},
        LineRow{"partsAsTheyStand", "&H1..1e2. 255.-1..", Read{Texts{"&H1", "", "1e2", ""}, Texts{"255", "-1", "", ""}}},
        LineRow{"prefixPast", "10.1.2.3/33", "prefix length '/33' is not a whole number from 0 to 32"},
        LineRow{"prefixExponent", "10.1.2.3/1e1", "prefix length '/1e1' is not a whole number from 0 to 32"},
        LineRow{"maskTwice", "1.2.3.4/8 255.0.0.0", "the mask is given twice: as '/8' and as '255.0.0.0'"},
        LineRow{"maskFirst", "/27 192.168.1.70", "the ADDRESS comes first, as in 'octaval-cli 192.168.1.70 /27'"},
        LineRow{"empty", "", noAddress},
        LineRow{"blanksOnly", " \t ", noAddress}),
    [](const testing::TestParamInfo<LineRow>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
