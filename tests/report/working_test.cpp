// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a press agrees with what the press itself shows, for every mask of accepted
// octet values over addresses of every class: checked against the boxes and against the bits.
#include "report/working/text.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

namespace {

using namespace octaval;

std::string dotted(const MemoryBoxes& boxes, Box first) {
    std::string text;
    for (int k = 1; k <= 4; ++k)
        text += (k > 1 ? "." : "") + boxes[octetBox(first, k)];
    return text;
}

// A bit row ("00001010.|00|000001...") as a number.
std::uint32_t value(const std::string& row) {
    std::uint32_t v = 0;
    for (const char c : row)
        if (c == '0' || c == '1') v = v << 1 | std::uint32_t(c == '1');
    return v;
}

std::string dotted(std::uint32_t a) {
    return std::to_string(a >> 24) + '.' + std::to_string(a >> 16 & 255) + '.' +
           std::to_string(a >> 8 & 255) + '.' + std::to_string(a & 255);
}

// The natural mask of a class A, B or C address, written out here rather than taken from the
// engine: the subnet bits are the mask's one bits beyond it.
std::uint32_t naturalMask(const Explanation& e) {
    return e.classLetter == "A" ? 0xFF000000U : e.classLetter == "B" ? 0xFFFF0000U : 0xFFFFFF00U;
}

void check(const Press& p, const Explanation& e) {
    const auto& b = p.boxes;
    ASSERT_EQ(e.status, b[Box::Text21]);
    ASSERT_EQ(e.rejectedBy.empty(), p.outcome.passed());
    // The result lines that a front end forms from the press's numbers: in English the engine's.
    for (const Box line : {Box::Text18, Box::Text19, Box::Text20})
        if (b[line] != " ") {
            ASSERT_EQ(Phrasebook::english().resultLine(line, lineNumbers(p.numbers)), b[line]);
        }
    const std::string steps = stepsText(e);
    EXPECT_NE(steps.find(std::string(e.status)), std::string::npos);
    if (!p.outcome.passed()) {
        EXPECT_TRUE(e.bitRows.empty() && e.network.empty() && !e.subnets && !e.hosts);
        return;
    }
    // The bit rows: the network is the address And the mask, the broadcast the network Or the
    // inverted mask, and both are the addresses the press shows.
    const std::uint32_t address = value(e.bits[0]), mask = value(e.bits[1]);
    EXPECT_EQ(value(e.bits[2]), address & mask);
    EXPECT_EQ(value(e.bits[3]), (address & mask) | ~mask);
    EXPECT_EQ(dotted(address), dotted(b, Box::Text1));
    EXPECT_EQ(dotted(value(e.bits[2])), dotted(b, Box::Text9));
    EXPECT_EQ(dotted(value(e.bits[3])), dotted(b, Box::Text13));
    EXPECT_EQ(e.invertedMask, dotted(~mask));
    for (const auto& shown : {e.network, e.broadcast, e.invertedMask})
        EXPECT_NE(steps.find(shown), std::string::npos) << shown;

    // The class from the leading bits of the address.
    const std::string lead[] = {"0", "10", "110", "1110", "1111"};
    ASSERT_EQ(e.classLetter, b[Box::Text17]);
    EXPECT_EQ(e.leadingBits, lead[e.classLetter[0] - 'A']);
    EXPECT_EQ(e.bits[0].substr(0, e.leadingBits.size()), e.leadingBits);

    // The counts are the press's lines, written with the same numbers.
    if (e.subnets) {
        EXPECT_EQ(b[Box::Text19], std::to_string(e.subnetBits) + " bits, " +
                                      std::to_string(*e.subnets) + " subnets");
        EXPECT_EQ(*e.subnetsWithZero, std::uint64_t{1} << std::popcount(mask & ~naturalMask(e)));
    } else {
        EXPECT_TRUE(b[Box::Text19] == " " || b[Box::Text19] == "0 bits, no subnets");
    }
    if (e.hosts) {
        EXPECT_EQ(b[Box::Text20],
                  std::to_string(e.hostBits) + " bits, " + std::to_string(*e.hosts) + " hosts");
        EXPECT_NE(steps.find(" = " + std::to_string(*e.hosts) + " usable hosts"),
                  std::string::npos);
    } else {
        EXPECT_EQ(b[Box::Text20], " ");
    }
    EXPECT_EQ(e.firstSubnet, b[Box::Text26] == " " ? "" : dotted(b, Box::Text26));
    EXPECT_EQ(e.lastSubnet, b[Box::Text30] == " " ? "" : dotted(b, Box::Text30));

    // One block of addresses is one subnet's: as many addresses as the host bits give, and every
    // network starts on a block.
    if (e.blockSize) {
        const int octet = *e.blockOctet;
        EXPECT_EQ(std::uint64_t(*e.blockSize) << 8 * (4 - octet), std::uint64_t{1} << e.hostBits);
        EXPECT_EQ(std::stoi(b[octetBox(Box::Text9, octet)]) % int(*e.blockSize), 0);
        // The address's subnet is the network's subnet bits read as a number.
        const std::uint32_t subnetMask = (1U << e.subnetBits) - 1;
        ASSERT_TRUE(e.addressSubnet);
        EXPECT_EQ(*e.addressSubnet, (value(e.bits[2]) >> e.hostBits) & subnetMask);
        EXPECT_EQ(e.reserved, *e.addressSubnet == 0            ? "all zeros"
                              : *e.addressSubnet == subnetMask ? "all ones"
                                                               : "");
    }
}

TEST(Working, AgreesWithThePressForEveryMaskOfAcceptedOctets) {
    const std::string octets[] = {"255", "254", "252", "248", "240", "224", "192", "128", "0"};
    // Addresses of every class, with host and subnet fields of every kind.
    const std::string addresses[] = {"10.1.2.3",    "10.0.0.0",  "130.1.255.1", "192.168.1.70",
                                     "200.1.2.255", "224.0.0.1", "250.1.2.3",   "255.255.255.255"};
    int passed = 0, blocks = 0;
    for (const std::string& address : addresses)
        for (int m = 0; m < 9 * 9 * 9 * 9; ++m) {
            const std::string mask = octets[m / 729] + '.' + octets[m / 81 % 9] + '.' +
                                     octets[m / 9 % 9] + '.' + octets[m % 9];
            const auto inputs = parseAddressText(address + ' ' + mask);
            ASSERT_TRUE(inputs);
            const Press p = press(*inputs);
            const Explanation e = explain(p);
            SCOPED_TRACE(address + ' ' + mask);
            check(p, e);
            if (HasFatalFailure() || HasNonfatalFailure()) return;
            passed += p.outcome.passed();
            blocks += e.blockSize.has_value();
        }
    // 53 masks pass for each address: the checks and the fields were all reached.
    EXPECT_EQ(passed, 53 * 8);
    EXPECT_GT(blocks, 0);
}

}  // namespace
