// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The engine through its public interface: whole presses of "Recalculate" (eight texts in, every
// output box and the status out), the reading rule, and the natural mask.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "engine/calculator.h"

namespace octaval {
namespace {

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

// Types four texts split at "|" ("10|1||3") into each row and presses "Recalculate".
PressOutcome press(CalculatorState& state, MemoryBoxes& boxes, std::string_view ip,
                   std::string_view mask) {
    std::array<OctetTexts, 2> rows;
    for (auto [row, joined] : {std::pair{&rows[0], ip}, std::pair{&rows[1], mask}}) {
        for (auto& text : *row) {
            text = joined.substr(0, joined.find('|'));
            joined.remove_prefix(std::min(joined.size(), text.size() + 1));
        }
    }
    setInputs(boxes, rows[0], rows[1]);
    return Recalculate(state, boxes).outcome;
}

struct PressCase {
    const char *name, *ip, *mask;
    Rows rows;  // all blank when left out
    std::string_view status;
};
void PrintTo(const PressCase& c, std::ostream* os) {
    *os << c.name;
}

class Press : public ::testing::TestWithParam<PressCase> {};

// Whatever came before (a rejected press, one that filled every box, one without host bits), a
// press shows the same.
TEST_P(Press, ShowsEveryBox) {
    const PressCase& c = GetParam();
    for (const auto& [ip, mask] : {std::pair{"", ""},
                                   {"192|168|1|70", "255|255|255|224"},
                                   {"200|1|2|3", "255|255|255|255"}}) {
        CalculatorState state;
        MemoryBoxes boxes;
        press(state, boxes, ip, mask);
        const PressOutcome outcome = press(state, boxes, c.ip, c.mask);
        EXPECT_EQ(outputs(boxes), c.rows) << "after " << ip << " / " << mask;
        EXPECT_EQ(boxes[Box::Text21], c.status) << "after " << ip << " / " << mask;
        // The outcome tells what the status box says, and whether the results are shown.
        EXPECT_EQ(outcome.status(), c.status);
        EXPECT_EQ(outcome.passed(), !outputs(boxes)[0].empty());
    }
}

namespace s = status;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, Press, ::testing::Values(
    // A mask shorter than the class counts no subnet bits: the class's own host field, "OK".
    PressCase{"ClassBUnderClassAMask", "130|1|2|3", "255|0|0|0", {"130.0.0.0", "130.255.255.255", "B", "16 bits, Class B", "0 bits, no subnets", "16 bits, 65534 hosts", "", ""}, s::ok},
    PressCase{"ClassC", "192|168|1|70", "255|255|255|224", {"192.168.1.64", "192.168.1.95", "C", "24 bits, Class C", "3 bits, 6 subnets", "5 bits, 30 hosts", "192.168.1.32", "192.168.1.192"}, s::ok},
    // One subnet bit has only the all-zeros and all-ones subnets: no usable one to show.
    PressCase{"OneSubnetBit", "200|1|1|1", "255|255|255|128", {"200.1.1.0", "200.1.1.127", "C", "24 bits, Class C", "1 bits, 0 subnets", "7 bits, 126 hosts", "", ""}, s::subnetAllZeros},
    PressCase{"ClassD", "224|0|0|1", "255|255|255|0", {"224.0.0.0", "224.0.0.255", "D", "Multicast, Class D", "", "", "", ""}, s::ok},
    PressCase{"ClassEUpTo255", "255|255|255|255", "255|255|255|255", {"255.255.255.255", "255.255.255.255", "E", "Research, Class E", "", "", "", ""}, s::hostAllOnes},
    PressCase{"HostAllOnesReplacesSubnetZeros", "200|1|2|3", "255|255|255|252", {"200.1.2.0", "200.1.2.3", "C", "24 bits, Class C", "6 bits, 62 subnets", "2 bits, 2 hosts", "200.1.2.4", "200.1.2.248"}, s::hostAllOnes},
    PressCase{"HostAllZeros", "200|1|2|0", "255|255|255|0", {"200.1.2.0", "200.1.2.255", "C", "24 bits, Class C", "0 bits, no subnets", "8 bits, 254 hosts", "", ""}, s::hostAllZeros},
    PressCase{"SubnetAllOnes", "130|1|255|1", "255|255|255|0", {"130.1.255.0", "130.1.255.255", "B", "16 bits, Class B", "8 bits, 254 subnets", "8 bits, 254 hosts", "130.1.1.0", "130.1.254.0"}, s::subnetAllOnes},
    // 255.a.b.0 passes on purpose and counts octet by octet: 2 + 2 subnet bits, entries 9..12.
    PressCase{"GappedMask", "10|1|2|3", "255|192|192|0", {"10.0.0.0", "10.63.63.255", "A", "8 bits, Class A", "4 bits, 14 subnets", "20 bits, 1048574 hosts", "10.16.0.0", "10.224.0.0"}, s::subnetAllZeros},
    PressCase{"NoHostsReplacesSubnetOnes", "200|1|2|255", "255|255|255|255", {"200.1.2.255", "200.1.2.255", "C", "", "", "", "", ""}, s::noHosts}),
    ::testing::PrintToStringParamName());

INSTANTIATE_TEST_SUITE_P(Rejected, Press, ::testing::Values(
    PressCase{"FirstOctetZero", "0|1|1|1", "255|255|255|0", {}, s::illegalIpAddress},
    PressCase{"OctetAbove255", "10|1|1|256", "255|0|0|0", {}, s::illegalIpAddress},
    // Negative and fractional octets name no address (they used to pass, rounded or wrapped).
    PressCase{"NegativeOctet", "-5|-1|1|1", "255|255|255|0", {}, s::illegalIpAddress},
    PressCase{"FractionalOctets", "10|10.5|11.5|1", "255|255|255|0", {}, s::illegalIpAddress},
    PressCase{"FirstOctetBelowOne", "0.5|1|1|1", "255|255|255|0", {}, s::illegalIpAddress},
    PressCase{"FractionalFourth", "10|1|1|0.6", "255|255|255|0", {}, s::illegalIpAddress},
    PressCase{"MaskOctetValue", "10|1|1|1", "255|255|255|1", {}, s::illegalSubnetMask},
    PressCase{"MaskFraction", "10|1|1|1", "255|254.5|0|0", {}, s::illegalSubnetMask}),
    ::testing::PrintToStringParamName());

// Every spelling of the reading rule, and the texts whose number cannot be converted.
INSTANTIATE_TEST_SUITE_P(Readings, Press, ::testing::Values(
    PressCase{"EmptyBoxesReadAsZero", "10|||", "255|||", {"10.0.0.0", "10.255.255.255", "A", "8 bits, Class A", "0 bits, no subnets", "24 bits, 16777214 hosts", "", ""}, s::hostAllZeros},
    PressCase{"ExponentHexOctal", "1e1|&H1|&O2|3.0", "&HFF|255.|2.55e2|0", {"10.1.2.0", "10.1.2.255", "A", "8 bits, Class A", "16 bits, 65534 subnets", "8 bits, 254 hosts", "10.0.1.0", "10.255.254.0"}, s::ok},
    PressCase{"BlanksAndStops", " 1 0|-0|\t2\n|1,5", "2 5 5|&hff|25.5D1|&o", {"10.0.2.0", "10.0.2.255", "A", "8 bits, Class A", "16 bits, 65534 subnets", "8 bits, 254 hosts", "10.0.1.0", "10.255.254.0"}, s::ok},
    PressCase{"StopsAndZeros", "12ab|-&H10|&o17|1e+", "& H FF|2.55E+2|&HFF|1e-400", {"12.0.15.0", "12.0.15.255", "A", "8 bits, Class A", "16 bits, 65534 subnets", "8 bits, 254 hosts", "12.0.1.0", "12.255.254.0"}, s::ok},
    PressCase{"AddressBeyondRange", "10|1e400|1|1", "255|255|255|0", {}, s::illegalIpAddress},
    PressCase{"MaskBeyondRange", "10|1|1|1", "255|1e400|255|0", {}, s::illegalSubnetMask},
    PressCase{"AddressDecidesFirst", "10|1|1|1e400", "1e400|0|0|0", {}, s::illegalIpAddress},
    PressCase{"FourthBeyond16Bits", "1|2|3|4e4", "255|0|0|0", {}, s::illegalIpAddress},
    PressCase{"FourthFarNegative", "1|2|3|-40000", "255|0|0|0", {}, s::illegalIpAddress}),
    ::testing::PrintToStringParamName());
// clang-format on

// An address as four octets joined by `separator`.
std::string joined(std::uint32_t v, const char* separator) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += std::to_string(v >> shift & 255) + (shift ? separator : "");
    return text;
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
// message of the checks as they read, and for a legal mask every box as plain 32-bit
// arithmetic on the classful fields gives it.
TEST(Press, EveryMaskOfAcceptedOctetsAgreesWith32BitArithmetic) {
    const auto count = [](int bits, const char* what) {
        return std::to_string(bits) + " bits, " + std::to_string((1 << bits) - 2) + " " + what;
    };
    CalculatorState state;
    MemoryBoxes boxes;
    int legalMasks = 0;
    for (const std::uint32_t ip :
         {0x0A4D82C9u, 0x01FF0001u, 0x7F000000u, 0x7FFFFFFFu, 0x80010203u, 0xBF0363F0u, 0x9600FFFFu,
          0xC0A80146u, 0xDFFE0700u, 0xC80102FFu, 0xE0000001u, 0xEF020304u, 0xF0090807u, 0xFE000000u,
          0xFFFFFFFFu}) {
        for (const std::uint32_t mask : masksOfAcceptedOctets()) {
            legalMasks += ip == 0xFFFFFFFFu && legal(mask);
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
            Rows rows = {joined(net, "."), joined(net | ~mask, "."), std::string(1, "ABCDE"[cls])};
            if (cls >= 3) rows[3] = cls == 3 ? "Multicast, Class D" : "Research, Class E";
            if (hostBits && cls < 3) {
                rows[3] = std::to_string(classBits) + " bits, Class " + rows[2];
                rows[4] = subnetBits ? count(subnetBits, "subnets") : "0 bits, no subnets";
                rows[5] = count(hostBits, "hosts");
            }
            if (hostBits && subnetBits >= 2) {
                rows[6] = joined(static_cast<std::uint32_t>((net & ~field) | low), ".");
                rows[7] = joined(static_cast<std::uint32_t>((net | field) & ~low), ".");
            }
            if (versus || !legal(mask)) rows = Rows{};
            if (versus || !legal(mask))
                want = versus ? status::illegalMaskVersusClass : status::illegalSubnetMask;
            const PressOutcome outcome = press(state, boxes, joined(ip, "|"), joined(mask, "|"));
            SCOPED_TRACE(joined(ip, ".") + " / " + joined(mask, "."));
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
        }
    }
    EXPECT_EQ(legalMasks, 53);
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
