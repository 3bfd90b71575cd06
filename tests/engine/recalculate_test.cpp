// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/calculator.h"

namespace octaval {
namespace {

// A row of four boxes as "a.b.c.d"; a row whose four boxes each hold the lone blank reads "".
std::string row(const MemoryBoxes& boxes, Box first) {
    std::string joined;
    bool allBlank = true;
    for (int k = 1; k <= 4; ++k) {
        const std::string& t = boxes[octetBox(first, k)];
        allBlank = allBlank && t == " ";
        joined += (k > 1 ? "." : "") + t;
    }
    return allBlank ? "" : joined;
}

// A single box, with the lone blank reading "".
std::string box(const MemoryBoxes& boxes, Box b) {
    return boxes[b] == " " ? "" : boxes[b];
}

struct Expected {
    std::string network, broadcast, letter, classLine, subnetLine, hostLine, subnet1, subnetN,
        status;
};

struct PressCase {
    const char* name;
    std::array<std::string_view, 4> address;
    std::array<std::string_view, 4> mask;
    Expected out;
};

Expected outputs(const MemoryBoxes& b) {
    return {row(b, Box::Text9),  row(b, Box::Text13), box(b, Box::Text17),
            box(b, Box::Text18), box(b, Box::Text19), box(b, Box::Text20),
            row(b, Box::Text26), row(b, Box::Text30), b[Box::Text21]};
}

void expectOutputs(const Expected& got, const Expected& want) {
    EXPECT_EQ(got.network, want.network);
    EXPECT_EQ(got.broadcast, want.broadcast);
    EXPECT_EQ(got.letter, want.letter);
    EXPECT_EQ(got.classLine, want.classLine);
    EXPECT_EQ(got.subnetLine, want.subnetLine);
    EXPECT_EQ(got.hostLine, want.hostLine);
    EXPECT_EQ(got.subnet1, want.subnet1);
    EXPECT_EQ(got.subnetN, want.subnetN);
    EXPECT_EQ(got.status, want.status);
}

Expected press(CalculatorState& state, const std::array<std::string_view, 4>& address,
               const std::array<std::string_view, 4>& mask) {
    MemoryBoxes boxes;
    setInputs(boxes, address, mask);
    Recalculate(state, boxes);
    return outputs(boxes);
}

const std::string ok(status::ok);
const std::string badIp(status::illegalIpAddress);
const std::string badMask(status::illegalSubnetMask);
const std::string badClass(status::illegalMaskVersusClass);

Expected rejected(const std::string& message) {
    return {"", "", "", "", "", "", "", "", message};
}

void PrintTo(const PressCase& c, std::ostream* os) {
    *os << c.name;
}

class PressTest : public ::testing::TestWithParam<PressCase> {};

TEST_P(PressTest, ShowsEveryBox) {
    CalculatorState state;
    expectOutputs(press(state, GetParam().address, GetParam().mask), GetParam().out);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Classes, PressTest, ::testing::Values(
    PressCase{"ClassA16", {"10","1","2","3"}, {"255","255","0","0"},
        {"10.1.0.0", "10.1.255.255", "A", "8 bits, Class A", "8 bits, 254 subnets",
         "16 bits, 65534 hosts", "10.1.0.0", "10.254.0.0", ok}},
    PressCase{"ClassB24", {"130","1","2","3"}, {"255","255","255","0"},
        {"130.1.2.0", "130.1.2.255", "B", "16 bits, Class B", "8 bits, 254 subnets",
         "8 bits, 254 hosts", "130.1.1.0", "130.1.254.0", ok}},
    PressCase{"ClassC30Broadcast", {"200","1","2","3"}, {"255","255","255","252"},
        {"200.1.2.0", "200.1.2.3", "C", "24 bits, Class C", "6 bits, 62 subnets",
         "2 bits, 2 hosts", "200.1.2.4", "200.1.2.248", std::string(status::hostAllOnes)}},
    PressCase{"ClassCNoHosts", {"200","1","2","3"}, {"255","255","255","255"},
        {"200.1.2.3", "200.1.2.3", "C", "", "", "", "", "", std::string(status::noHosts)}},
    PressCase{"SubnetAllOnesThenNoHosts", {"200","1","2","255"}, {"255","255","255","255"},
        {"200.1.2.255", "200.1.2.255", "C", "", "", "", "", "", std::string(status::noHosts)}},
    PressCase{"ClassCNetworkAddress", {"200","1","2","0"}, {"255","255","255","0"},
        {"200.1.2.0", "200.1.2.255", "C", "24 bits, Class C", "0 bits, no subnets",
         "8 bits, 254 hosts", "", "", std::string(status::hostAllZeros)}},
    PressCase{"SubnetZero", {"130","1","0","5"}, {"255","255","255","0"},
        {"130.1.0.0", "130.1.0.255", "B", "16 bits, Class B", "8 bits, 254 subnets",
         "8 bits, 254 hosts", "130.1.1.0", "130.1.254.0", std::string(status::subnetAllZeros)}},
    PressCase{"ClassANaturalMask", {"10","1","2","3"}, {"255","0","0","0"},
        {"10.0.0.0", "10.255.255.255", "A", "8 bits, Class A", "0 bits, no subnets",
         "24 bits, 16777214 hosts", "", "", ok}},
    PressCase{"ClassAOneHostBit", {"10","1","2","3"}, {"255","255","255","254"},
        {"10.1.2.2", "10.1.2.3", "A", "8 bits, Class A", "23 bits, 8388606 subnets",
         "1 bits, 0 hosts", "10.0.0.2", "10.255.255.252", std::string(status::hostAllOnes)}},
    PressCase{"ClassBShortMask", {"130","1","2","3"}, {"255","0","0","0"},
        {"130.0.0.0", "130.255.255.255", "B", "16 bits, Class B", "0 bits, no subnets",
         "16 bits, 65534 hosts", "", "", ok}},
    PressCase{"HostZeroOverridesSubnetZero", {"10","0","0","0"}, {"255","255","0","0"},
        {"10.0.0.0", "10.0.255.255", "A", "8 bits, Class A", "8 bits, 254 subnets",
         "16 bits, 65534 hosts", "10.1.0.0", "10.254.0.0", std::string(status::hostAllZeros)}},
    PressCase{"SubnetAllOnes", {"130","1","255","1"}, {"255","255","255","0"},
        {"130.1.255.0", "130.1.255.255", "B", "16 bits, Class B", "8 bits, 254 subnets",
         "8 bits, 254 hosts", "130.1.1.0", "130.1.254.0", std::string(status::subnetAllOnes)}},
    PressCase{"ClassC27", {"192","168","1","70"}, {"255","255","255","224"},
        {"192.168.1.64", "192.168.1.95", "C", "24 bits, Class C", "3 bits, 6 subnets",
         "5 bits, 30 hosts", "192.168.1.32", "192.168.1.192", ok}},
    PressCase{"FieldAcrossTwoOctets", {"150","10","0","1"}, {"255","255","255","192"},
        {"150.10.0.0", "150.10.0.63", "B", "16 bits, Class B", "10 bits, 1022 subnets",
         "6 bits, 62 hosts", "150.10.0.64", "150.10.255.128",
         std::string(status::subnetAllZeros)}},
    PressCase{"SixteenBitField", {"10","1","1","1"}, {"255","255","255","0"},
        {"10.1.1.0", "10.1.1.255", "A", "8 bits, Class A", "16 bits, 65534 subnets",
         "8 bits, 254 hosts", "10.0.1.0", "10.255.254.0", ok}},
    PressCase{"NonContiguousMask", {"10","1","2","3"}, {"255","192","192","0"},
        {"10.0.0.0", "10.63.63.255", "A", "8 bits, Class A", "4 bits, 14 subnets",
         "20 bits, 1048574 hosts", "10.16.0.0", "10.224.0.0",
         std::string(status::subnetAllZeros)}},
    PressCase{"HostMaskAllOnes", {"10","1","2","3"}, {"255","255","255","255"},
        {"10.1.2.3", "10.1.2.3", "A", "", "", "", "", "", std::string(status::noHosts)}},
    PressCase{"ClassBMaskInSecondOctet", {"172","16","5","9"}, {"255","255","240","0"},
        {"172.16.0.0", "172.16.15.255", "B", "16 bits, Class B", "4 bits, 14 subnets",
         "12 bits, 4094 hosts", "172.16.16.0", "172.16.224.0",
         std::string(status::subnetAllZeros)}},
    PressCase{"ClassCWithClassBMask", {"192","168","1","1"}, {"255","255","128","0"},
        {"192.168.0.0", "192.168.127.255", "C", "24 bits, Class C", "0 bits, no subnets",
         "8 bits, 254 hosts", "", "", ok}},
    PressCase{"Multicast", {"224","0","0","1"}, {"255","255","255","0"},
        {"224.0.0.0", "224.0.0.255", "D", "Multicast, Class D", "", "", "", "", ok}},
    PressCase{"ResearchBroadcast", {"255","255","255","255"}, {"255","255","255","255"},
        {"255.255.255.255", "255.255.255.255", "E", "Research, Class E", "", "", "", "",
         std::string(status::hostAllOnes)}},
    // Class D and E have no class bits: the host field is the whole address.
    PressCase{"ResearchHostFieldIsWholeAddress", {"240","0","0","0"}, {"255","255","255","0"},
        {"240.0.0.0", "240.0.0.255", "E", "Research, Class E", "", "", "", "", ok}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Readings, PressTest, ::testing::Values(
    PressCase{"EmptyLaterOctetsReadAsZero", {"10","","",""}, {"255","0","0","0"},
        {"10.0.0.0", "10.255.255.255", "A", "8 bits, Class A", "0 bits, no subnets",
         "24 bits, 16777214 hosts", "", "", std::string(status::hostAllZeros)}},
    PressCase{"WholeNumberSpellings", {"1e1","&H1","&O2","3.0"}, {"&HFF","255.","2.55e2","0"},
        {"10.1.2.0", "10.1.2.255", "A", "8 bits, Class A", "16 bits, 65534 subnets",
         "8 bits, 254 hosts", "10.0.1.0", "10.255.254.0", ok}},
    PressCase{"NegativeZeroIsZero", {"10","-0","1","1"}, {"255","255","255","0"},
        {"10.0.1.0", "10.0.1.255", "A", "8 bits, Class A", "16 bits, 65534 subnets",
         "8 bits, 254 hosts", "10.0.1.0", "10.255.254.0", ok}},
    PressCase{"BlanksInsideBoxes", {" 1 0","1","2","3"}, {"255","255","0","0"},
        {"10.1.0.0", "10.1.255.255", "A", "8 bits, Class A", "8 bits, 254 subnets",
         "16 bits, 65534 hosts", "10.1.0.0", "10.254.0.0", ok}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Validation, PressTest, ::testing::Values(
    PressCase{"FirstOctetZero", {"0","1","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"FirstOctetEmpty", {"","1","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"FirstOctetLetters", {"ab","1","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"OctetAbove255", {"256","1","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"FourthAbove255", {"10","1","1","256"}, {"255","0","0","0"}, rejected(badIp)},
    PressCase{"FractionAbove255", {"10","255.5","1","1"}, {"255","0","0","0"}, rejected(badIp)},
    PressCase{"MaskZeroClassA", {"1","1","1","1"}, {"0","0","0","0"}, rejected(badClass)},
    PressCase{"MaskZeroClassD", {"239","1","1","1"}, {"0","0","0","0"}, rejected(badClass)},
    PressCase{"MaskZeroClassE", {"240","1","1","1"}, {"0","0","0","0"}, rejected(badMask)},
    PressCase{"MaskZeroFirst255", {"255","1","1","1"}, {"0","0","0","0"}, rejected(badMask)},
    PressCase{"MaskGap", {"10","1","1","1"}, {"255","0","255","0"}, rejected(badMask)},
    PressCase{"MaskOddFourth", {"10","1","1","1"}, {"255","255","255","1"}, rejected(badMask)},
    PressCase{"MaskCheck10", {"10","1","1","1"}, {"255","255","0","255"}, rejected(badMask)},
    PressCase{"MaskCheck9", {"10","1","1","1"}, {"255","192","192","192"}, rejected(badMask)},
    PressCase{"ClassBMask254", {"150","1","1","1"}, {"254","0","0","0"}, rejected(badClass)},
    PressCase{"ClassBMaskFirstZero", {"150","1","1","1"}, {"0","255","0","0"}, rejected(badMask)},
    PressCase{"ClassCMaskThirdOnly", {"200","1","1","1"}, {"0","0","255","0"}, rejected(badMask)},
    PressCase{"MaskFraction", {"10","1","1","1"}, {"255","254.5","0","0"}, rejected(badMask)},
    PressCase{"MaskEmpty", {"10","1","1","1"}, {"255","","",""},
        {"10.0.0.0", "10.255.255.255", "A", "8 bits, Class A", "0 bits, no subnets",
         "24 bits, 16777214 hosts", "", "", ok}}),
    [](const auto& info) { return std::string(info.param.name); });

// Octets that are negative or not whole name no address; they used to pass with a rounded or
// wrapped network address reported as "OK".
INSTANTIATE_TEST_SUITE_P(NoSuchAddress, PressTest, ::testing::Values(
    PressCase{"NegativeSecondOctet", {"10","-1","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"NegativeFirstOctet", {"-5","1","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"FractionalOctets", {"10","10.5","11.5","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"FractionalFirstOctet", {"0.5","1","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"DottedTextInOneBox", {"192.168","1","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"BetweenClasses", {"127.5","1","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"FractionalFourth", {"10","1","1","0.6"}, {"255","255","255","0"}, rejected(badIp)}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts whose number cannot be converted end the press with the message of their row.
INSTANTIATE_TEST_SUITE_P(ConversionLimits, PressTest, ::testing::Values(
    PressCase{"AddressBeyondRange", {"10","1e400","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"MaskBeyondRange", {"10","1","1","1"}, {"255","1e400","255","0"}, rejected(badMask)},
    PressCase{"AddressDecidesBeforeMask", {"10","1","1","1e400"}, {"1e400","0","0","0"}, rejected(badIp)},
    PressCase{"FourthOctetBeyond16Bits", {"1","2","3","4e4"}, {"255","0","0","0"}, rejected(badIp)},
    PressCase{"FourthOctetFarNegative", {"1","2","3","-40000"}, {"255","0","0","0"}, rejected(badIp)},
    PressCase{"BelowThe32BitRange", {"10","-3e9","1","1"}, {"255","255","255","0"}, rejected(badIp)},
    PressCase{"HugeHex", {"&H" "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF","1","1","1"}, {"255","0","0","0"}, rejected(badIp)}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ClassLetter, FollowsTheFirstOctet) {
    const struct {
        const char* first;
        const char* letter;
    } cases[] = {{"1", "A"},
                 {"127", "A"},
                 {"128", "B"},
                 {"191", "B"},
                 {"192", "C"},
                 {"223", "C"},
                 {"224", "D"},
                 {"239", "D"},
                 {"240", "E"},
                 {"254", "E"},
                 // 255 is class E too; it used to leave the box blank beside "Research, Class E".
                 {"255", "E"}};
    for (const auto& c : cases) {
        CalculatorState state;
        const Expected got = press(state, {c.first, "1", "1", "1"}, {"255", "255", "255", "0"});
        EXPECT_EQ(got.status, ok) << c.first;
        EXPECT_EQ(got.letter, c.letter) << c.first;
        EXPECT_EQ(got.network, std::string(c.first) + ".1.1.0");
        EXPECT_EQ(got.broadcast, std::string(c.first) + ".1.1.255");
    }
}

TEST(SubnetRange, OneSubnetBitShowsNoUsableSubnet) {
    // One subnet bit gives only the all-zeros and all-ones subnets: neither is usable, so the
    // rows stay blank while the subnet line and check report as usual.
    CalculatorState state;
    const Expected got = press(state, {"200", "1", "1", "1"}, {"255", "255", "255", "128"});
    EXPECT_EQ(got.subnetLine, "1 bits, 0 subnets");
    EXPECT_EQ(got.hostLine, "7 bits, 126 hosts");
    EXPECT_EQ(got.subnet1, "");
    EXPECT_EQ(got.subnetN, "");
    EXPECT_EQ(got.status, std::string(status::subnetAllZeros));
    const Expected ones = press(state, {"130", "1", "255", "200"}, {"255", "255", "255", "128"});
    EXPECT_EQ(ones.subnetLine, "9 bits, 510 subnets");
    EXPECT_EQ(ones.subnet1, "130.1.0.128");
    EXPECT_EQ(ones.subnetN, "130.1.255.0");
}

TEST(Blanks, ClearedBoxesHoldOneBlankAndInputsAreNeverWritten) {
    CalculatorState state;
    MemoryBoxes boxes;
    setInputs(boxes, {"224", "0", "0", "1"}, {"255", "255", "255", "0"});
    boxes.setText(Box::Text21, "typed by the user");
    Recalculate(state, boxes);
    for (Box b : {Box::Text19, Box::Text20, Box::Text26, Box::Text33})
        EXPECT_EQ(boxes[b], " ");
    EXPECT_EQ(boxes[Box::Text21], "OK");
    const std::array<std::string, 8> inputs = {"224", "0", "0", "1", "255", "255", "255", "0"};
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(boxes[boxNumber(n)], inputs[n - 1]);
}

// Every mask that passes the mask checks, crossed with addresses of every class: the network and
// broadcast addresses equal plain 32-bit arithmetic, and the bit counts follow the mask octets.
std::vector<std::array<int, 4>> acceptedMasks() {
    const std::array<int, 9> values = {255, 254, 252, 248, 240, 224, 192, 128, 0};
    std::vector<std::array<int, 4>> masks;
    for (int prefix = 8; prefix <= 32; ++prefix) {
        const std::uint32_t m = prefix == 32 ? 0xFFFFFFFFu : ~(0xFFFFFFFFu >> prefix);
        masks.push_back({static_cast<int>(m >> 24), static_cast<int>((m >> 16) & 255),
                         static_cast<int>((m >> 8) & 255), static_cast<int>(m & 255)});
    }
    // 255.a.b.0 with accepted values 255 > a >= b > 0.
    for (int a : values)
        for (int b : values)
            if (a != 255 && b != 0 && a >= b) masks.push_back({255, a, b, 0});
    return masks;
}

int ones(int octet) {
    return __builtin_popcount(static_cast<unsigned>(octet));
}

TEST(Property, EveryAcceptedMaskWithEveryClass) {
    const auto masks = acceptedMasks();
    ASSERT_EQ(masks.size(), 53u);
    const std::array<std::array<int, 4>, 8> addresses = {{{10, 77, 130, 201},
                                                          {126, 255, 0, 1},
                                                          {130, 1, 254, 17},
                                                          {191, 3, 99, 240},
                                                          {192, 168, 1, 70},
                                                          {223, 254, 7, 129},
                                                          {230, 2, 3, 4},
                                                          {250, 9, 8, 7}}};
    CalculatorState state;  // one state through every press: no press may depend on another
    for (const auto& a : addresses) {
        for (const auto& m : masks) {
            std::array<std::string, 8> texts;
            for (int k = 0; k < 4; ++k) {
                texts[k] = std::to_string(a[k]);
                texts[k + 4] = std::to_string(m[k]);
            }
            MemoryBoxes boxes;
            setInputs(boxes, {texts[0], texts[1], texts[2], texts[3]},
                      {texts[4], texts[5], texts[6], texts[7]});
            Recalculate(state, boxes);
            SCOPED_TRACE(texts[0] + "." + texts[1] + "." + texts[2] + "." + texts[3] + " / " +
                         texts[4] + "." + texts[5] + "." + texts[6] + "." + texts[7]);
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(boxes[octetBox(Box::Text9, k + 1)], std::to_string(a[k] & m[k]));
                EXPECT_EQ(boxes[octetBox(Box::Text13, k + 1)],
                          std::to_string((a[k] & m[k]) | (255 - m[k])));
            }
            const int first = a[0];
            const int classBits = first < 128 ? 8 : first < 192 ? 16 : first < 224 ? 24 : 0;
            int subnetBits = 0;
            for (int k = classBits / 8; k < 4 && classBits > 0; ++k)
                subnetBits += ones(m[k]);
            const int hostBits = 32 - classBits - subnetBits;
            ASSERT_EQ(state.classBits, classBits);
            ASSERT_EQ(state.subnetBits, subnetBits);
            ASSERT_EQ(state.hostBits, hostBits);
            if (hostBits == 0) {
                EXPECT_EQ(boxes[Box::Text21], status::noHosts);
                continue;
            }
            if (classBits == 0) {
                EXPECT_EQ(boxes[Box::Text19], " ");
                continue;
            }
            EXPECT_EQ(boxes[Box::Text20], std::to_string(hostBits) + " bits, " +
                                              std::to_string((1LL << hostBits) - 2) + " hosts");
            EXPECT_EQ(boxes[Box::Text19],
                      subnetBits == 0 ? "0 bits, no subnets"
                                      : std::to_string(subnetBits) + " bits, " +
                                            std::to_string((1LL << subnetBits) - 2) + " subnets");
        }
    }
}

TEST(State, SameInputsGiveSameOutputsWhateverCameBefore) {
    const std::array<std::pair<std::array<std::string_view, 4>, std::array<std::string_view, 4>>, 6>
        presses = {{{{"200", "1", "2", "3"}, {"255", "255", "255", "255"}},
                    {{"224", "0", "0", "1"}, {"255", "255", "255", "0"}},
                    {{"10", "1", "2", "3"}, {"255", "255", "255", "255"}},
                    {{"10", "1", "2", "3"}, {"255", "0", "0", "0"}},
                    {{"250", "1", "2", "3"}, {"255", "255", "255", "0"}},
                    {{"0", "1", "2", "3"}, {"255", "255", "255", "0"}}}};
    for (const auto& before : presses) {
        for (const auto& after : presses) {
            CalculatorState fresh;
            const Expected alone = press(fresh, after.first, after.second);
            CalculatorState used;
            press(used, before.first, before.second);
            expectOutputs(press(used, after.first, after.second), alone);
        }
    }
}

TEST(State, MulticastAfterNoHostsStillShowsItsLine) {
    // Class D has no subnet field of its own; an earlier class C press without host bits used to
    // turn it into "No host(s)".
    CalculatorState state;
    EXPECT_EQ(press(state, {"200", "1", "2", "3"}, {"255", "255", "255", "255"}).status,
              status::noHosts);
    const Expected d = press(state, {"224", "0", "0", "1"}, {"255", "255", "255", "0"});
    EXPECT_EQ(d.classLine, "Multicast, Class D");
    EXPECT_EQ(d.status, ok);
}

TEST(State, RejectedPressAfterAPassingOneBlanksEveryOutput) {
    CalculatorState state;
    MemoryBoxes boxes;
    setInputs(boxes, {"192", "168", "1", "70"}, {"255", "255", "255", "224"});
    Recalculate(state, boxes);
    ASSERT_EQ(boxes[Box::Text21], "OK");
    const std::pair<Box, const char*> faults[] = {
        {Box::Text1, "0"}, {Box::Text2, "1e400"}, {Box::Text4, "4e4"}};
    for (const auto& [faultyBox, text] : faults) {
        setInputs(boxes, {"192", "168", "1", "70"}, {"255", "255", "255", "224"});
        boxes.setText(faultyBox, text);
        Recalculate(state, boxes);
        EXPECT_EQ(boxes[Box::Text21], badIp) << text;
        for (Box b : allBoxes) {
            if (numberOf(b) >= 9 && b != Box::Text21) {
                EXPECT_EQ(boxes[b], " ") << boxName(b);
            }
        }
        // The next ordinary press works as on a fresh state.
        setInputs(boxes, {"192", "168", "1", "70"}, {"255", "255", "255", "224"});
        Recalculate(state, boxes);
        EXPECT_EQ(row(boxes, Box::Text26), "192.168.1.32");
        EXPECT_EQ(boxes[Box::Text21], "OK");
    }
}

}  // namespace
}  // namespace octaval
