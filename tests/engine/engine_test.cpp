// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The engine through its public interface: whole presses of "Recalculate" (eight texts in, every
// output box and the status out), the reading rule, and the natural mask.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "engine/calculator.h"
#include "engine/subnets.h"

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
    Rejection rejection = Rejection::none;
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
        EXPECT_EQ(result.outcome.rejection, c.rejection) << "after " << name;
        if (!fresh) fresh = result;
        EXPECT_EQ(result.numbers, fresh->numbers) << "after " << name;
    }
    // A rejected press shows no numbers.
    if (c.rows == Rows{}) {
        EXPECT_EQ(fresh->numbers, PressNumbers{});
    }
}

namespace s = status;
using R = Rejection;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rejected, Press, ::testing::Values(
    PressCase{"FirstOctetZero", {"0", "1", "1", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress, R::illegalAddress},
    PressCase{"OctetAbove255", {"10", "1", "1", "256"}, {"255", "0", "0", "0"}, {}, s::illegalIpAddress, R::illegalAddress},
    // Negative and fractional octets name no address (they used to pass, rounded or wrapped).
    PressCase{"NegativeOctet", {"-5", "-1", "1", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress, R::illegalAddress},
    PressCase{"FractionalOctets", {"10", "10.5", "11.5", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress, R::illegalAddress},
    PressCase{"FirstOctetBelowOne", {"0.5", "1", "1", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress, R::illegalAddress},
    PressCase{"FractionalFourth", {"10", "1", "1", "0.6"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress, R::illegalAddress},
    PressCase{"MaskOctetValue", {"10", "1", "1", "1"}, {"255", "255", "255", "1"}, {}, s::illegalSubnetMask, R::maskOctetValue},
    // The fourth octet is rounded to 16 bits, ties to even, before any check: 32766.5 rounds down
    // to the even 32766, read but above 255, and 32767.5 up to 32768, beyond; -32768.5 rounds to
    // the even -32768, read but negative, and -32769 is beyond.
    PressCase{"HugeOctetsRead", {"1e300", "-1e300", "1", "1"}, {"255", "0", "0", "0"}, {}, s::illegalIpAddress, R::illegalAddress},
    PressCase{"HalfBelowTheTop", {"10", "1", "1", "32766.5"}, {"255", "0", "0", "0"}, {}, s::illegalIpAddress, R::illegalAddress},
    PressCase{"HalfAboveTheTop", {"10", "1", "1", "32767.5"}, {"255", "0", "0", "0"}, {}, s::illegalIpAddress, R::addressUnreadable},
    PressCase{"HalfBelowTheBottom", {"10", "1", "1", "-32768.5"}, {"255", "0", "0", "0"}, {}, s::illegalIpAddress, R::illegalAddress},
    PressCase{"BeyondTheBottom", {"10", "1", "1", "-32769"}, {"255", "0", "0", "0"}, {}, s::illegalIpAddress, R::addressUnreadable},
    PressCase{"MaskFraction", {"10", "1", "1", "1"}, {"255", "254.5", "0", "0"}, {}, s::illegalSubnetMask, R::maskOctetValue}),
    rowName);

// Every spelling of the reading rule, and the texts whose number cannot be converted.
INSTANTIATE_TEST_SUITE_P(Readings, Press, ::testing::Values(
    PressCase{"EmptyBoxesReadAsZero", {"10", "", "", ""}, {"255", "", "", ""}, {"10.0.0.0", "10.255.255.255", "A", "8 bits, Class A", "0 bits, no subnets", "24 bits, 16777214 hosts", "", ""}, s::hostAllZeros},
    PressCase{"ExponentHexOctal", {"1e1", "&H1", "&O2", "3.0"}, {"&HFF", "255.", "2.55e2", "0"}, {"10.1.2.0", "10.1.2.255", "A", "8 bits, Class A", "16 bits, 65534 subnets", "8 bits, 254 hosts", "10.0.1.0", "10.255.254.0"}, s::ok},
    PressCase{"BlanksAndStops", {" 1 0", "-0", "\t2\n", "1,5"}, {"2 5 5", "&hff", "25.5D1", "&o"}, {"10.0.2.0", "10.0.2.255", "A", "8 bits, Class A", "16 bits, 65534 subnets", "8 bits, 254 hosts", "10.0.1.0", "10.255.254.0"}, s::ok},
    PressCase{"StopsAndZeros", {"12ab", "-&H10", "&o17", "1e+"}, {"& H FF", "2.55E+2", "&HFF", "1e-400"}, {"12.0.15.0", "12.0.15.255", "A", "8 bits, Class A", "16 bits, 65534 subnets", "8 bits, 254 hosts", "12.0.1.0", "12.255.254.0"}, s::ok},
    PressCase{"AddressBeyondRange", {"10", "1e400", "1", "1"}, {"255", "255", "255", "0"}, {}, s::illegalIpAddress, R::addressUnreadable},
    PressCase{"MaskBeyondRange", {"10", "1", "1", "1"}, {"255", "1e400", "255", "0"}, {}, s::illegalSubnetMask, R::maskUnreadable},
    PressCase{"AddressDecidesFirst", {"10", "1", "1", "1e400"}, {"1e400", "0", "0", "0"}, {}, s::illegalIpAddress, R::addressUnreadable},
    PressCase{"FourthBeyond16Bits", {"1", "2", "3", "4e4"}, {"255", "0", "0", "0"}, {}, s::illegalIpAddress, R::addressUnreadable}),
    rowName);
// clang-format on

// Checks 2 to 11 as one rule: a mask passes when it starts with 255, never increases, has nonzero
// third and fourth octets only under a second of 255, and a nonzero fourth only under a third
// equal to the second. That is 25 masks /8 to /32 and 28 of the form 255.a.b.0.
bool legal(std::uint32_t m) {
    const std::uint32_t a = m >> 24, b = m >> 16 & 255, c = m >> 8 & 255, d = m & 255;
    return a == 255 && b <= a && c <= b && d <= c && !(b < 255 && c && d) && !(c < b && d);
}

// Every mask of accepted octet values (0, 128, 192, ... 255) on addresses at every class bound,
// on one state: the rejection and the status as the checks and the classful fields give them
// in plain 32-bit arithmetic, and the subnet list of each mask that passes against arithmetic on
// the octets. The boxes are the rows' above and the CLI's.
TEST(Press, EveryMaskOfAcceptedOctetsEndsAsTheChecksRead) {
    const std::uint32_t v[] = {0, 128, 192, 224, 240, 248, 252, 254, 255};
    const auto octets = [](std::uint32_t n) {
        return OctetTexts{octetText(int(n >> 24)), octetText(int(n >> 16 & 255)),
                          octetText(int(n >> 8 & 255)), octetText(int(n & 255))};
    };
    CalculatorState state;
    MemoryBoxes boxes;
    for (const std::uint32_t ip :
         {0x0A4D82C9u, 0x01FF0001u, 0x7F000000u, 0x7FFFFFFFu, 0x80010203u, 0xBF0363F0u, 0x9600FFFFu,
          0xC0A80146u, 0xDFFE0700u, 0xC80102FFu, 0x0A0000FFu, 0xE0000001u, 0xEF020304u, 0xF0090807u,
          0xFE000000u, 0xFFFFFFFFu}) {
        for (int i = 0; i < 9 * 9 * 9 * 9; ++i) {
            const std::uint32_t mask =
                v[i / 729] << 24 | v[i / 81 % 9] << 16 | v[i / 9 % 9] << 8 | v[i % 9];
            // A class A, B or C address (D as C) needs a 255 among the mask octets of its network.
            const std::uint32_t x = ip >> 24, a = mask >> 24, b = mask >> 16 & 255,
                                c = mask >> 8 & 255;
            const bool versus = (x < 128 && a != 255) ||
                                (x >= 128 && x < 192 && a != 255 && b != 255) ||
                                (x >= 192 && x < 240 && a != 255 && b != 255 && c != 255);
            const int classBits = x < 128 ? 8 : x < 192 ? 16 : x < 224 ? 24 : 0;  // D, E: none
            const int subnetBits = classBits ? std::popcount(mask << classBits) : 0;
            const int hostBits = 32 - classBits - subnetBits;
            // The subnet field follows the class bits, wherever the mask's ones are.
            const std::uint64_t net = ip & mask, field = ((1ull << subnetBits) - 1) << hostBits;
            const std::uint64_t host = (1ull << hostBits) - 1;
            std::string_view want = status::ok;
            if (subnetBits && (net & field) == 0) want = status::subnetAllZeros;
            if (subnetBits && (net & field) == field) want = status::subnetAllOnes;
            if (hostBits && (ip & host) == 0) want = status::hostAllZeros;
            if (hostBits && (ip & host) == host) want = status::hostAllOnes;
            if (hostBits == 0) want = status::noHosts;
            if (!legal(mask)) want = status::illegalSubnetMask;
            if (versus) want = status::illegalMaskVersusClass;
            const PressOutcome outcome = press(state, boxes, octets(ip), octets(mask)).outcome;
            SCOPED_TRACE(std::to_string(ip) + " / " + std::to_string(mask));
            ASSERT_EQ(boxes[Box::Text21], want);
            // Every accepted octet passes checks 2 to 5: a mask fails at 6 to 8 or at 9 to 11.
            ASSERT_EQ(outcome.rejection, versus         ? Rejection::maskVersusClass
                                         : !legal(mask) ? Rejection::maskShape
                                                        : Rejection::none);
            if (!outcome.passed()) continue;
            const auto list = SubnetList::of(state);
            ASSERT_EQ(list.has_value(), classBits > 0);
            if (!list) continue;
            ASSERT_EQ(list->count(), std::uint64_t{1} << subnetBits);
            // Subnet n puts n's bits into the subnet bits of the octets after the class's (each
            // mask octet's leading ones), from the last octet up, lowest bit first.
            const auto last = static_cast<std::uint32_t>(list->count() - 1);
            for (std::uint32_t n = 0;; n = std::min(last, n + 1 + last / 40)) {
                std::uint32_t network = ip, rest = n;
                for (int k = 0; k < hostBits + subnetBits; k += 8) {
                    const int ones = std::popcount(mask >> k & 255);
                    network = (network & ~(255u << k)) | ((rest % (1u << ones)) << (8 - ones) & 255)
                                                             << k;
                    rest >>= ones;
                }
                const Subnet s = list->subnet(n);
                EXPECT_EQ(s.network, network) << n;
                EXPECT_EQ(s.broadcast, network | (~mask & ~0u >> classBits)) << n;
                // A press on the subnet's first host finds the subnets that the classful rules
                // reserve, where the subnet field is contiguous (not under a mask 255.a.b.0).
                if (s.hasHosts && (classBits > 8 || b == 255 || c == 0)) {
                    const Findings f =
                        press(state, boxes, octets(network + 1), octets(mask)).outcome.findings;
                    EXPECT_EQ(s.reserved == Subnet::Reserved::AllZeros, f.subnetAllZeros) << n;
                    EXPECT_EQ(s.reserved == Subnet::Reserved::AllOnes, f.subnetAllOnes) << n;
                }
                if (n == last) break;
            }
        }
    }
}

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
