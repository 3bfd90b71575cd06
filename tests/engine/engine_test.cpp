// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The engine through its public interface: whole presses of "Recalculate" (eight texts in, every
// output box and the status out), the reading rule, and the natural mask.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <tuple>

#include "engine/calculator.h"

namespace octaval {
namespace {

const auto rowName = [](const auto& info) { return std::string(info.param.name); };

// The eight output rows as shown (network, broadcast, class, the three lines, Subnet 1, Subnet
// N), octets joined by "."; a row of lone blanks reads "", an empty box "<empty>".
using Rows = std::array<std::string, 8>;
Rows outputs(const MemoryBoxes& boxes) {
    // The first box of each row, and its number of boxes.
    static constexpr std::pair<Box, int> rowBoxes[] = {
        {Box::Text9, 4},  {Box::Text13, 4}, {Box::Text17, 1}, {Box::Text18, 1},
        {Box::Text19, 1}, {Box::Text20, 1}, {Box::Text26, 4}, {Box::Text30, 4}};
    Rows rows;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (int k = 1; k <= rowBoxes[r].second; ++k) {
            const std::string& text = boxes[octetBox(rowBoxes[r].first, k)];
            rows[r] += (k > 1 ? "." : "") + (text.empty() ? "<empty>" : text);
        }
        if (rows[r] == " " || rows[r] == " . . . ") rows[r].clear();
    }
    return rows;
}

// Types the address and the mask into their rows and presses "Recalculate".
PressResult press(CalculatorState& state, MemoryBoxes& boxes, const OctetTexts& ip,
                  const OctetTexts& mask) {
    setInputs(boxes, ip, mask);
    return Recalculate(state, boxes);
}

struct PressCase {
    const char* name;
    OctetTexts ip, mask;
    Rows rows;  // all blank when left out
    std::string_view status;
};

class Press : public ::testing::TestWithParam<PressCase> {};

// Whatever came before (nothing, a press that filled every box, one without host bits), a press
// shows the same boxes and returns the same outcome and numbers.
TEST_P(Press, ShowsEveryBox) {
    const PressCase& c = GetParam();
    std::optional<PressResult> fresh;
    for (const auto& [name, ip, mask] :
         {std::tuple{"nothing", OctetTexts{}, OctetTexts{}},
          {"a full press", OctetTexts{"192", "168", "1", "70"}, {"255", "255", "255", "224"}},
          {"no hosts", OctetTexts{"200", "1", "2", "3"}, {"255", "255", "255", "255"}}}) {
        CalculatorState state;
        MemoryBoxes boxes;
        press(state, boxes, ip, mask);
        const PressResult result = press(state, boxes, c.ip, c.mask);
        EXPECT_EQ(outputs(boxes), c.rows) << "after " << name;
        EXPECT_EQ(boxes[Box::Text21], c.status) << "after " << name;
        if (!fresh) fresh = result;
        EXPECT_EQ(result.outcome, fresh->outcome) << "after " << name;
        EXPECT_EQ(result.numbers, fresh->numbers) << "after " << name;
    }
    // A rejected press shows no numbers.
    if (c.rows == Rows{}) {
        EXPECT_EQ(fresh->numbers, PressNumbers{});
    }
}

namespace s = status;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rejected, Press, ::testing::Values(
    PressCase{"FirstOctetZero", {"0", "1", "1", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress},
    PressCase{"OctetAbove255", {"10", "1", "1", "256"}, {"255", "0", "0", "0"}, {}, s::illegalIpAddress},
    // Negative and fractional octets name no address (they used to pass, rounded or wrapped).
    PressCase{"NegativeOctet", {"-5", "-1", "1", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress},
    PressCase{"FractionalOctets", {"10", "10.5", "11.5", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress},
    PressCase{"FirstOctetBelowOne", {"0.5", "1", "1", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress},
    PressCase{"FractionalFourth", {"10", "1", "1", "0.6"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress},
    PressCase{"MaskOctetValue", {"10", "1", "1", "1"}, {"255", "255", "255", "1"}, {}, s::illegalSubnetMask},
    PressCase{"MaskFraction", {"10", "1", "1", "1"}, {"255", "254.5", "0", "0"}, {}, s::illegalSubnetMask}),
    rowName);

// Every spelling of the reading rule, and the texts whose number cannot be converted.
INSTANTIATE_TEST_SUITE_P(Readings, Press, ::testing::Values(
    PressCase{"EmptyBoxesReadAsZero", {"10", "", "", ""}, {"255", "", "", ""}, {"10.0.0.0", "10.255.255.255", "A", "8 bits, Class A", "0 bits, no subnets", "24 bits, 16777214 hosts", "", ""}, s::hostAllZeros},
    PressCase{"ExponentHexOctal", {"1e1", "&H1", "&O2", "3.0"}, {"&HFF", "255.", "2.55e2", "0"}, {"10.1.2.0", "10.1.2.255", "A", "8 bits, Class A", "16 bits, 65534 subnets", "8 bits, 254 hosts", "10.0.1.0", "10.255.254.0"}, s::ok},
    PressCase{"BlanksAndStops", {" 1 0", "-0", "\t2\n", "1,5"}, {"2 5 5", "&hff", "25.5D1", "&o"}, {"10.0.2.0", "10.0.2.255", "A", "8 bits, Class A", "16 bits, 65534 subnets", "8 bits, 254 hosts", "10.0.1.0", "10.255.254.0"}, s::ok},
    PressCase{"StopsAndZeros", {"12ab", "-&H10", "&o17", "1e+"}, {"& H FF", "2.55E+2", "&HFF", "1e-400"}, {"12.0.15.0", "12.0.15.255", "A", "8 bits, Class A", "16 bits, 65534 subnets", "8 bits, 254 hosts", "12.0.1.0", "12.255.254.0"}, s::ok},
    PressCase{"AddressBeyondRange", {"10", "1e400", "1", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress},
    PressCase{"MaskBeyondRange", {"10", "1", "1", "1"}, {"255", "1e400", "255", "0"}, {}, s::illegalSubnetMask},
    PressCase{"AddressDecidesFirst", {"10", "1", "1", "1e400"}, {"1e400", "0", "0", "0"}, {}, s::illegalIpAddress},
    PressCase{"FourthBeyond16Bits", {"1", "2", "3", "4e4"}, {"255", "0", "0", "0"}, {}, s::illegalIpAddress}),
    rowName);
// clang-format on

// An address as four octets joined by dots.
std::string dotted(std::uint32_t v) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += std::to_string(v >> shift & 255) + (shift ? "." : "");
    return text;
}

// An address as the texts of its four octets.
std::array<std::string, 4> octets(std::uint32_t v) {
    return {std::to_string(v >> 24), std::to_string(v >> 16 & 255), std::to_string(v >> 8 & 255),
            std::to_string(v & 255)};
}

// Every mask whose four octets are accepted values (0, 128, 192, ... 255), 9^4 of them.
std::vector<std::uint32_t> masksOfAcceptedOctets() {
    const std::uint32_t v[] = {0, 128, 192, 224, 240, 248, 252, 254, 255};
    std::vector<std::uint32_t> masks;
    for (int i = 0; i < 9 * 9 * 9 * 9; ++i)
        masks.push_back(v[i / 729] << 24 | v[i / 81 % 9] << 16 | v[i / 9 % 9] << 8 | v[i % 9]);
    return masks;
}

// Checks 2 to 11 as one rule: a mask passes when it starts with 255, never increases, has nonzero
// third and fourth octets only under a second of 255, and a nonzero fourth only under a third
// equal to the second. That is 25 masks /8 to /32 and 28 of the form 255.a.b.0.
bool legal(std::uint32_t m) {
    const std::uint32_t a = m >> 24, b = m >> 16 & 255, c = m >> 8 & 255, d = m & 255;
    return a == 255 && b <= a && c <= b && d <= c && !(b < 255 && c && d) && !(c < b && d);
}

// Every mask of accepted octet values with addresses at every class bound, on one state: the
// message of the checks as they read, and for a legal mask every box and every number as plain
// 32-bit arithmetic on the classful fields gives it.
TEST(Press, EveryMaskOfAcceptedOctetsAgreesWith32BitArithmetic) {
    const auto count = [](int bits, const char* what) {
        return std::to_string(bits) + " bits, " + std::to_string((1 << bits) - 2) + " " + what;
    };
    CalculatorState state;
    MemoryBoxes boxes;
    for (const std::uint32_t ip :
         {0x0A4D82C9u, 0x01FF0001u, 0x7F000000u, 0x7FFFFFFFu, 0x80010203u, 0xBF0363F0u, 0x9600FFFFu,
          0xC0A80146u, 0xDFFE0700u, 0xC80102FFu, 0xE0000001u, 0xEF020304u, 0xF0090807u, 0xFE000000u,
          0xFFFFFFFFu}) {
        for (const std::uint32_t mask : masksOfAcceptedOctets()) {
            int cls = 0;  // A, B, C, D, E
            for (const std::uint32_t bound : {128, 192, 224, 240})
                cls += (ip >> 24) >= bound;
            // A class A, B or C address (D as C) needs a 255 among the mask octets of its network.
            const std::uint32_t x = ip >> 24, a = mask >> 24, b = mask >> 16 & 255,
                                c = mask >> 8 & 255;
            const bool versus = (x < 128 && a != 255) ||
                                (x >= 128 && x < 192 && a != 255 && b != 255) ||
                                (x >= 192 && x < 240 && a != 255 && b != 255 && c != 255);
            const int classBits = cls < 3 ? 8 * (cls + 1) : 0;  // D and E: no network field
            const int subnetBits = classBits ? std::popcount(mask << classBits) : 0;
            const int hostBits = 32 - classBits - subnetBits;
            // The subnet field follows the class bits, wherever the mask's ones are.
            const std::uint64_t net = ip & mask, field = ((1ull << subnetBits) - 1) << hostBits;
            const std::uint64_t host = (1ull << hostBits) - 1, low = 1ull << hostBits;
            std::string_view want = status::ok;
            if (subnetBits && (net & field) == 0) want = status::subnetAllZeros;
            if (subnetBits && (net & field) == field) want = status::subnetAllOnes;
            if (hostBits && (ip & host) == 0) want = status::hostAllZeros;
            if (hostBits && (ip & host) == host) want = status::hostAllOnes;
            if (hostBits == 0) want = status::noHosts;
            Rows rows = {dotted(net), dotted(net | ~mask), std::string(1, "ABCDE"[cls])};
            if (cls >= 3) rows[3] = cls == 3 ? "Multicast, Class D" : "Research, Class E";
            if (hostBits && cls < 3) {
                rows[3] = std::to_string(classBits) + " bits, Class " + rows[2];
                rows[4] = subnetBits ? count(subnetBits, "subnets") : "0 bits, no subnets";
                rows[5] = count(hostBits, "hosts");
            }
            PressNumbers numbers{&addressClasses[static_cast<std::size_t>(cls)],
                                 static_cast<std::uint32_t>(net),
                                 static_cast<std::uint32_t>(net | ~mask),
                                 classBits,
                                 subnetBits,
                                 hostBits,
                                 hostBits && cls < 3,
                                 subnetBits ? (1ull << subnetBits) - 2 : 0,
                                 hostBits ? (1ull << hostBits) - 2 : 0,
                                 hostBits && subnetBits >= 2};
            if (numbers.hasSubnetRange) {
                numbers.firstSubnet = static_cast<std::uint32_t>((net & ~field) | low);
                numbers.lastSubnet = static_cast<std::uint32_t>((net | field) & ~low);
                rows[6] = dotted(numbers.firstSubnet);
                rows[7] = dotted(numbers.lastSubnet);
            }
            if (versus || !legal(mask)) {
                rows = Rows{};
                numbers = PressNumbers{};
                want = versus ? status::illegalMaskVersusClass : status::illegalSubnetMask;
            }
            const auto ipTexts = octets(ip), maskTexts = octets(mask);
            const auto [outcome, shown] =
                press(state, boxes, {ipTexts[0], ipTexts[1], ipTexts[2], ipTexts[3]},
                      {maskTexts[0], maskTexts[1], maskTexts[2], maskTexts[3]});
            SCOPED_TRACE(dotted(ip) + " / " + dotted(mask));
            ASSERT_EQ(outputs(boxes), rows);
            ASSERT_EQ(boxes[Box::Text21], want);
            // Every accepted octet passes checks 2 to 5: a mask fails at 6 to 8 or at 9 to 11.
            ASSERT_EQ(outcome.rejection, versus         ? Rejection::maskVersusClass
                                         : !legal(mask) ? Rejection::maskShape
                                                        : Rejection::none);
            const bool passed = outcome.passed();
            ASSERT_EQ(outcome.findings,
                      (Findings{passed && subnetBits && (net & field) == 0,
                                passed && subnetBits && (net & field) == field,
                                passed && hostBits == 0, passed && hostBits && (ip & host) == 0,
                                passed && hostBits && (ip & host) == host}));
            ASSERT_EQ(shown, numbers);
        }
    }
}

// The fourth octet is rounded to a 16-bit integer, ties to even, before anything is checked: at
// the ends of that range the rounding decides whether the text can be read at all.
struct FourthOctetCase {
    const char* name;
    std::string_view fourth;
    Rejection rejection;
};
class FourthOctet : public ::testing::TestWithParam<FourthOctetCase> {};

TEST_P(FourthOctet, RoundsTiesToEvenBeforeTheChecks) {
    CalculatorState state;
    MemoryBoxes boxes;
    const auto [outcome, numbers] =
        press(state, boxes, {"10", "1", "1", GetParam().fourth}, {"255", "0", "0", "0"});
    EXPECT_EQ(outcome.rejection, GetParam().rejection);
    EXPECT_EQ(boxes[Box::Text21], status::illegalIpAddress);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, FourthOctet,
    ::testing::Values(
        // 32766.5 rounds down to the even 32766, read but above 255; 32767.5 up to 32768.
        FourthOctetCase{"HalfBelowTheTop", "32766.5", Rejection::illegalAddress},
        FourthOctetCase{"HalfAboveTheTop", "32767.5", Rejection::addressUnreadable},
        // -32768.5 rounds to the even -32768, read but negative; -32769 is beyond.
        FourthOctetCase{"HalfBelowTheBottom", "-32768.5", Rejection::illegalAddress},
        FourthOctetCase{"BeyondTheBottom", "-32769", Rejection::addressUnreadable}),
    rowName);

// The bits of an address as typed, before any check: the first three octets lose their fraction,
// the fourth is rounded ties to even, and each is limited to 0..255.
struct BitsCase {
    const char* name;
    std::array<double, 4> octets;
    std::uint32_t bits;
};
class AddressBits : public ::testing::TestWithParam<BitsCase> {};

TEST_P(AddressBits, TruncateTheFirstThreeAndRoundTheFourth) {
    BitVector bits{};
    ASSERT_TRUE(OctetsToBits(GetParam().octets, bits));
    std::uint32_t value = 0;
    for (int i = 1; i <= 32; ++i)
        value = value << 1 | static_cast<std::uint32_t>(bits[static_cast<std::size_t>(i)]);
    EXPECT_EQ(dotted(value), dotted(GetParam().bits));
}

INSTANTIATE_TEST_SUITE_P(
    Octets, AddressBits,
    ::testing::Values(BitsCase{"FractionsDroppedOrRounded", {192.7, 0.9, 11.5, 192.7}, 0xC0000BC1},
                      BitsCase{"TiesToEven", {1, 2, 3, 2.5}, 0x01020302},
                      BitsCase{"Limited", {300, -5, 1e300, 255.5}, 0xFF00FFFF},
                      BitsCase{"NegativeFourth", {10, 1, 1, -1.5}, 0x0A010100}),
    rowName);

// The integer conversion behind And, Or and Not at its hard values: the largest double below a
// half, ties on either side of the 32-bit limits, and what is not a number.
struct RoundingCase {
    const char* name;
    double value;
    std::optional<std::int32_t> rounded;
};
class Rounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(Rounding, GoesToTheNearestTiesToEven) {
    EXPECT_EQ(toInt32(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Rounding,
    ::testing::Values(RoundingCase{"JustBelowAHalf", 0.49999999999999994, 0},
                      RoundingCase{"NegativeTieDown", -3.5, -4},
                      RoundingCase{"TieAboveTheTop", 2147483647.5, std::nullopt},
                      RoundingCase{"TieAtTheBottom", -2147483648.5, -2147483648},
                      RoundingCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(),
                                   std::nullopt}),
    rowName);

TEST(NaturalMask, FollowsTheClassOfTheFirstOctet) {
    const OctetTexts a = {"255", "0", "0", "0"}, b = {"255", "255", "0", "0"},
                     c = {"255", "255", "255", "0"};
    // clang-format off
    for (const auto& [text, mask] : {std::pair{"", a}, {"-1e400", a}, {"127.9", a}, {"128", b}, {"191.9", b}, {"&HC0", c}, {"239", c}, {"1e400", c}})
        EXPECT_EQ(naturalMask(text), mask) << text;
    // clang-format on
}

}  // namespace
}  // namespace octaval
