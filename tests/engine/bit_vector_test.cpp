// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bit_vector.h"

#include <gtest/gtest.h>

#include <string>

namespace octaval {
namespace {

std::string bitString(const BitVector& bits) {
    std::string s;
    for (int i = 1; i <= 32; ++i) {
        s += static_cast<char>('0' + bits[i]);
        if (i % 8 == 0 && i < 32) s += ' ';
    }
    return s;
}

struct BitsCase {
    std::array<double, 4> octets;
    const char* bits;
};

TEST(OctetsToBits, TruncatesFirstThreeOctetsAndRoundsTheFourth) {
    const BitsCase cases[] = {
        {{192, 168, 1, 10}, "11000000 10101000 00000001 00001010"},
        {{0, 0, 0, 0}, "00000000 00000000 00000000 00000000"},
        {{255, 255, 255, 255}, "11111111 11111111 11111111 11111111"},
        {{300, -5, 256, 1000}, "11111111 00000000 11111111 11111111"},
        {{1e300, 1e300, 255.9, -1e4}, "11111111 11111111 11111111 00000000"},
        {{192.7, 0.9, 11.5, 11.5}, "11000000 00000000 00001011 00001100"},
        {{0, 0, 0.6, 0.6}, "00000000 00000000 00000000 00000001"},
        {{0, 0, 0, 10.5}, "00000000 00000000 00000000 00001010"},
        {{0, 0, 0, 2.5}, "00000000 00000000 00000000 00000010"},
        {{0, 0, 0, 255.5}, "00000000 00000000 00000000 11111111"},
        {{0, 0, 0, 0.5}, "00000000 00000000 00000000 00000000"},
        {{0, 0, 0, -32768}, "00000000 00000000 00000000 00000000"},
    };
    for (const auto& c : cases) {
        BitVector bits{};
        ASSERT_TRUE(OctetsToBits(c.octets, bits));
        EXPECT_EQ(bitString(bits), c.bits)
            << c.octets[0] << " " << c.octets[1] << " " << c.octets[2] << " " << c.octets[3];
    }
}

TEST(OctetsToBits, OverwritesEveryEntryOfAnEarlierAddress) {
    BitVector bits{};
    ASSERT_TRUE(OctetsToBits({255, 255, 255, 255}, bits));
    ASSERT_TRUE(OctetsToBits({1, 2, 3, 4}, bits));
    EXPECT_EQ(bitString(bits), "00000001 00000010 00000011 00000100");
}

TEST(OctetsToBits, FourthOctetOutsideTheSixteenBitRangeFailsAndChangesNothing) {
    for (double fourth : {40000.0, 32767.5, -32769.0, 1e300}) {
        BitVector bits{};
        ASSERT_TRUE(OctetsToBits({1, 1, 1, 1}, bits));
        EXPECT_FALSE(OctetsToBits({2, 2, 2, fourth}, bits)) << fourth;
        EXPECT_EQ(bitString(bits), "00000001 00000001 00000001 00000001");
    }
}

TEST(BitsToOctetText, WeighsEightEntriesMostSignificantFirst) {
    BitVector bits{};
    ASSERT_TRUE(OctetsToBits({130, 254, 1, 0}, bits));
    EXPECT_EQ(BitsToOctetText(octetBits(bits, 1)), "130");
    EXPECT_EQ(BitsToOctetText(octetBits(bits, 2)), "254");
    EXPECT_EQ(BitsToOctetText(octetBits(bits, 3)), "1");
    EXPECT_EQ(BitsToOctetText(octetBits(bits, 4)), "0");
}

}  // namespace
}  // namespace octaval
