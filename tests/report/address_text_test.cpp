// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/address_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace {

using octaval::Octets;
using Texts = std::array<std::string, 4>;

template <typename Row>
std::string rowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// One text read as each kind of number a person types: a count, an octet and a prefix length.
struct NumberRow {
    const char* name;
    std::string_view text;
    std::optional<std::uint64_t> decimal;
    std::optional<int> octet;
    std::optional<int> prefixLength;
};

class ReadNumber : public testing::TestWithParam<NumberRow> {};

TEST_P(ReadNumber, ReadsDecimalDigitsOnlyWithinEachRange) {
    const NumberRow& row = GetParam();
    EXPECT_EQ(octaval::readDecimal(row.text), row.decimal);
    const auto octet = octaval::readOctet(row.text);
    EXPECT_EQ(octet ? std::optional<int>(*octet) : std::nullopt, row.octet);
    EXPECT_EQ(octaval::readPrefixLength(row.text), row.prefixLength);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Limits, ReadNumber,
    testing::Values(
        NumberRow{"zero", "0", 0, 0, 0},
        NumberRow{"prefixLast", "32", 32, 32, 32},
        NumberRow{"prefixPast", "33", 33, 33, std::nullopt},
        NumberRow{"octetLast", "255", 255, 255, std::nullopt},
        NumberRow{"octetPast", "256", 256, std::nullopt, std::nullopt},
        NumberRow{"leadingZeros", "0008", 8, 8, 8},
        NumberRow{"largest", "18446744073709551615", UINT64_MAX, std::nullopt, std::nullopt},
        NumberRow{"beyond64Bits", "18446744073709551616", std::nullopt, std::nullopt, std::nullopt},
        NumberRow{"exponent", "1e2", std::nullopt, std::nullopt, std::nullopt},
        NumberRow{"minus", "-0", std::nullopt, std::nullopt, std::nullopt},
        NumberRow{"point", "1.0", std::nullopt, std::nullopt, std::nullopt},
        NumberRow{"blankAfter", "5 ", std::nullopt, std::nullopt, std::nullopt},
        NumberRow{"fullWidthDigit", "\xEF\xBC\x91", std::nullopt, std::nullopt, std::nullopt},
        NumberRow{"empty", "", std::nullopt, std::nullopt, std::nullopt}),
    rowName<NumberRow>);
// clang-format on

// A dotted quad read as a search reads it and as an answer is read.
struct QuadRow {
    const char* name;
    std::string_view text;
    std::optional<Octets> strict;
    std::optional<Octets> loose;
};

class ReadDottedQuad : public testing::TestWithParam<QuadRow> {};

TEST_P(ReadDottedQuad, ReadsFourOctets) {
    const QuadRow& row = GetParam();
    EXPECT_EQ(octaval::readDottedQuad(row.text), row.strict);
    EXPECT_EQ(octaval::readDottedQuadLoosely(row.text), row.loose);
}

constexpr Octets tenOneTwoThree = {10, 1, 2, 3};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Limits, ReadDottedQuad,
    testing::Values(QuadRow{"plain", "10.1.2.3", tenOneTwoThree, tenOneTwoThree},
                    QuadRow{"highest", "255.255.255.255", Octets{255, 255, 255, 255}, Octets{255, 255, 255, 255}},
                    QuadRow{"threeDigitZeros", "010.001.002.003", tenOneTwoThree, tenOneTwoThree},
                    QuadRow{"fourDigitPart", "0010.1.2.3", std::nullopt, tenOneTwoThree},
                    QuadRow{"blanksAround", " 10. 1 .2.3\t", std::nullopt, tenOneTwoThree},
                    QuadRow{"octetPast", "10.1.2.256", std::nullopt, std::nullopt},
                    QuadRow{"emptyPart", "10..2.3", std::nullopt, std::nullopt},
                    QuadRow{"threeParts", "1.2.3", std::nullopt, std::nullopt},
                    QuadRow{"fiveParts", "1.2.3.4.5", std::nullopt, std::nullopt},
                    QuadRow{"blankInsideNumber", "1 0.1.2.3", std::nullopt, std::nullopt},
                    QuadRow{"trailingLetter", "10.1.2.3x", std::nullopt, std::nullopt},
                    QuadRow{"empty", "", std::nullopt, std::nullopt}),
    rowName<QuadRow>);
// clang-format on

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
        LineRow{"threeParts", "1.2.3", "ADDRESS '1.2.3' has 3 parts; expected four parts joined by dots, such as 10.1.2.3"},
        LineRow{"maskTwice", "1.2.3.4/8 255.0.0.0", "the mask is given twice: as '/8' and as '255.0.0.0'"},
        LineRow{"maskFirst", "/27 192.168.1.70", "the ADDRESS comes first, as in 'octaval-cli 192.168.1.70 /27'"},
        LineRow{"threeWords", "192.168.1.70 /27 x", "too many words (3): expected ADDRESS[/N] [MASK]"},
        LineRow{"empty", "", noAddress},
        LineRow{"blanksOnly", " \t ", noAddress}),
    rowName<LineRow>);
// clang-format on

}  // namespace
