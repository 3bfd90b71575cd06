// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a press agrees with what the press itself shows, for every mask of accepted
// octet values over addresses of every class: checked against the boxes and against the bits.
#include "report/working/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
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
    // One reading step for each box whose text is not its number's own digits, and no other.
    int unusual = 0;
    for (int k = 0; k < 8; ++k) {
        const std::string& text = b[octetBox(k < 4 ? Box::Text1 : Box::Text5, k % 4 + 1)];
        const ReadNumber n = textToNumber(text);
        unusual += n.inRange && text != numberToText(std::floor(n.value));
    }
    EXPECT_EQ(std::count_if(e.steps.begin(), e.steps.end(),
                            [](const WorkingStep& s) { return s.key == "reading"; }),
              unusual);
    if (!p.outcome.passed()) {
        EXPECT_TRUE(e.bitRows.empty() && e.network.empty() && !e.subnets && !e.hosts);
        return;
    }
    // The bit rows: the network is the address And the mask, the broadcast the network Or the
    // inverted mask, and both are the addresses the press shows.
    const std::uint32_t address = value(e.bits[0]), mask = value(e.bits[1]);
    EXPECT_EQ(value(e.bits[2]), address & mask);
    EXPECT_EQ(value(e.bits[3]), (address & mask) | ~mask);
    const auto& ip = p.state.ipOctet;
    EXPECT_EQ(address, std::uint32_t(ip[0]) << 24 | std::uint32_t(ip[1]) << 16 |
                           std::uint32_t(ip[2]) << 8 | std::uint32_t(ip[3]));
    EXPECT_EQ(dotted(value(e.bits[2])), dotted(b, Box::Text9));
    EXPECT_EQ(dotted(value(e.bits[3])), dotted(b, Box::Text13));
    EXPECT_EQ(e.invertedMask, dotted(~mask));
    for (const auto& shown : {e.network, e.broadcast, e.invertedMask})
        EXPECT_NE(steps.find(shown), std::string::npos) << shown;
    // The And is stated with the numbers the press used, whatever was typed.
    ASSERT_TRUE(e.step("network"));
    EXPECT_NE(e.step("network")->text.find(dotted(address) + " And " + dotted(mask) + " = "),
              std::string::npos);

    // The fields as the press tests them: the subnet field follows the class's bits, the host
    // field ends the address. The status step marks them and reads them from those bits, and
    // the address's subnet is reserved exactly when the press found it so.
    const Findings& f = p.outcome.findings;
    const std::uint64_t ones = ~std::uint64_t{0};
    const auto field = [&](int first, int length) {
        return std::uint32_t(length == 0 ? 0
                                         : (ones >> (64 - length)) << (32 - first - length + 1));
    };
    const std::uint32_t subnetField = field(e.classBits + 1, e.subnetBits),
                        hostField = field(33 - e.hostBits, e.hostBits);
    const WorkingStep* status = e.step("status");
    ASSERT_TRUE(status);
    EXPECT_EQ(status->marks[std::size_t(BitRowName::network)], subnetField);
    EXPECT_EQ(status->marks[std::size_t(BitRowName::address)], f.noHosts ? 0 : hostField);
    const auto read = [](std::uint32_t bits, std::uint32_t under) {
        std::string text;
        for (std::uint32_t bit = 1U << 31; bit != 0; bit >>= 1)
            if (under & bit) text += (bits & bit) ? '1' : '0';
        return text;
    };
    if (e.subnetBits > 0) {
        EXPECT_NE(status->text.find("reads " + read(value(e.bits[2]), subnetField)),
                  std::string::npos);
    }
    if (!f.noHosts) {
        EXPECT_NE(status->text.find("reads " + read(address, hostField)), std::string::npos);
    }
    if (const WorkingStep* own = e.step("addressSubnet")) {
        EXPECT_EQ(e.reserved, f.subnetAllZeros ? "all zeros" : f.subnetAllOnes ? "all ones" : "");
        EXPECT_EQ(own->text.find("not reserved") == std::string::npos,
                  f.subnetAllZeros || f.subnetAllOnes);
    }
    // "Replaces" only where a later finding did replace an earlier one.
    const bool replaced =
        (f.subnetAllZeros || f.subnetAllOnes) && (f.noHosts || f.hostAllZeros || f.hostAllOnes);
    EXPECT_EQ(status->text.find("replaces") != std::string::npos, replaced);
    if (const WorkingStep* hosts = e.step("hosts")) {
        EXPECT_EQ(hosts->text.find("each subnet") != std::string::npos, e.subnetBits > 0);
    }

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
        EXPECT_EQ(subnetField, mask & ~naturalMask(e));
    }
}

TEST(Working, AgreesWithThePressForEveryMaskOfAcceptedOctets) {
    const std::string octets[] = {"255", "254", "252", "248", "240", "224", "192", "128", "0"};
    // Addresses of every class, with host and subnet fields of every kind, some typed as the
    // number rules read them but people rarely write them.
    const std::string addresses[] = {"10.1.2.3",    "10.0.0.0",   "130.1.255.1", "192.168.1.70",
                                     "200.1.2.255", "224.0.0.1",  "250.1.2.3",   "255.255.255.255",
                                     "1e1.200.2.3", "&H82.1..2x", "10.128.128.1"};
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
    EXPECT_EQ(passed, 53 * 11);
    EXPECT_GT(blocks, 0);
}

}  // namespace
