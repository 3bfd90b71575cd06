// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/number_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace octaval {
namespace {

struct TextCase {
    const char* name;
    std::string text;
    double value;
};

class TextToNumberTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextToNumberTest, ReadsTheLeadingNumber) {
    const auto& c = GetParam();
    const ReadNumber n = textToNumber(c.text);
    EXPECT_TRUE(n.inRange);
    EXPECT_EQ(n.value, c.value) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, TextToNumberTest,
    ::testing::Values(
        TextCase{"Empty", "", 0}, TextCase{"LettersOnly", "abc", 0}, TextCase{"LoneMinus", "-", 0},
        TextCase{"LonePlus", "+", 0}, TextCase{"LonePoint", ".", 0},
        TextCase{"PointFive", ".5", 0.5}, TextCase{"Plain", "192", 192},
        TextCase{"TrailingLetters", "12ab", 12}, TextCase{"BlankInside", " 1 2 ", 12},
        TextCase{"TabAndLineFeed", "1\t9\n2", 192}, TextCase{"SignThenBlank", "- 5", -5},
        TextCase{"CarriageReturnEnds", "1\r2", 1}, TextCase{"Fraction", "1.5", 1.5},
        TextCase{"TwoPoints", "192.168.1", 192.168}, TextCase{"TrailingPoint", "255.", 255},
        TextCase{"CommaEnds", "1,5", 1}, TextCase{"Exponent", "1e2", 100},
        TextCase{"UpperExponent", "1E2", 100}, TextCase{"DExponent", "1d2", 100},
        TextCase{"UpperDExponent", "1D2", 100}, TextCase{"NegativeExponent", "25e-1", 2.5},
        TextCase{"PlusExponent", "1e+2", 100}, TextCase{"ExponentWithoutDigit", "1e", 1},
        TextCase{"ExponentSignWithoutDigit", "1e+", 1},
        TextCase{"ExponentStopsAtPoint", "1e2.5", 100}, TextCase{"FourE4", "4e4", 40000},
        TextCase{"NegativeZero", "-0", 0}, TextCase{"DoubleSign", "--5", 0},
        TextCase{"Hex", "&HFF", 255}, TextCase{"LowerHex", "&hff", 255},
        TextCase{"HexStopsAtNonDigit", "&H1G", 1}, TextCase{"HexWithoutDigits", "&H", 0},
        TextCase{"HexBlanks", "& H F F", 255}, TextCase{"Octal", "&O17", 15},
        TextCase{"LowerOctal", "&o777", 511}, TextCase{"OctalStopsAtEight", "&O78", 7},
        TextCase{"AmpersandOther", "&X12", 0}, TextCase{"SignBeforeAmpersand", "-&H10", 0},
        TextCase{"HexIsNeverNegative", "&HFFFFFFFF", 4294967295.0},
        TextCase{"LongOctal", "&O1777777777777777777777", 18446744073709551615.0},
        TextCase{"Underflow", "1e-400", 0}, TextCase{"ZeroWithHugeExponent", "0e99999", 0},
        TextCase{"NonAscii",
                 "1\xC3\xA9"
                 "2",
                 1},
        TextCase{"NulEnds",
                 std::string("7\0"
                             "8",
                             3),
                 7},
        TextCase{"CorrectlyRounded", "0.1", 0.1},
        TextCase{"ManyDigits", std::string(400, '1') + "e-399", 1.1111111111111111}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextToNumber, NumbersBeyondTheRangeAreReportedWithTheirSign) {
    const std::string hugeHex = "&H" + std::string(300, 'F');
    const struct {
        std::string text;
        double value;
    } cases[] = {{"1e400", HUGE_VAL},
                 {"-1e400", -HUGE_VAL},
                 {"1" + std::string(400, '0'), HUGE_VAL},
                 {"1e99999999999999999999", HUGE_VAL},
                 {hugeHex, HUGE_VAL}};
    for (const auto& c : cases) {
        const ReadNumber n = textToNumber(c.text);
        EXPECT_FALSE(n.inRange) << c.text;
        EXPECT_EQ(n.value, c.value) << c.text;
    }
}

TEST(TextToNumber, LargestNumbersStillInRange) {
    EXPECT_TRUE(textToNumber("1.7976931348623157e308").inRange);
    EXPECT_TRUE(textToNumber("4.9e-324").inRange);
    EXPECT_EQ(textToNumber("&O" + std::string(30, '7')).value, std::ldexp(1.0, 90) - 1);
}

TEST(IntegerConversion, RoundsTiesToEven) {
    const struct {
        double in;
        std::int32_t out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {0.6, 1}, {10.5, 10}, {11.5, 12}};
    for (const auto& c : cases) {
        EXPECT_EQ(toInt32(c.in), c.out) << c.in;
        EXPECT_EQ(toInt16(c.in), c.out) << c.in;
    }
}

TEST(IntegerConversion, FailsOutsideItsRange) {
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_FALSE(toInt16(32767.5));
    EXPECT_FALSE(toInt16(-32769));
    EXPECT_FALSE(toInt16(40000));
    EXPECT_EQ(toInt32(2147483647.4), 2147483647);
    EXPECT_EQ(toInt32(-2147483648.5), -2147483647 - 1);
    EXPECT_FALSE(toInt32(2147483647.5));
    EXPECT_FALSE(toInt32(-3e9));
    EXPECT_FALSE(toInt32(HUGE_VAL));
}

TEST(BitOperations, RoundOperandsThenCombine) {
    EXPECT_EQ(bitAnd(10.5, 255), 10);
    EXPECT_EQ(bitAnd(11.5, 255), 12);
    EXPECT_EQ(bitAnd(-1, 255), 255);
    EXPECT_EQ(bitOr(8, 7), 15);
    EXPECT_EQ(bitNot(255), -256);
    EXPECT_EQ(bitNot(0), -1);
    EXPECT_FALSE(bitAnd(-3e9, 255));
    EXPECT_FALSE(bitNot(1e10));
    // The host part of each accepted mask octet is 255 - m.
    for (int m : {0, 128, 192, 224, 240, 248, 252, 254, 255})
        EXPECT_EQ(*bitNot(m) + 256, 255 - m);
}

TEST(NumberToText, PlainDigitsOnly) {
    EXPECT_EQ(numberToText(8), "8");
    EXPECT_EQ(numberToText(-1), "-1");
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(-0.0), "0");
    EXPECT_EQ(numberToText(16777214), "16777214");
    EXPECT_EQ(numberToText(std::ldexp(1.0, 24) - 2), "16777214");
    EXPECT_EQ(numberToText(2147483647), "2147483647");
}

}  // namespace
}  // namespace octaval
