// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The working of a press against the press, for every mask of accepted octet values over
// addresses of every class: the bit rows, the fields, the counts and the blocks against 32-bit
// arithmetic on what the press read.
#include "report/working/text.h"

#include <gtest/gtest.h>

#include <bit>
#include <string>

namespace {

using namespace octaval;

// A bit row ("00001010.|00|000001...") as a number.
std::uint32_t value(std::string row) {
    std::erase_if(row, [](char c) { return c != '0' && c != '1'; });
    return std::uint32_t(std::stoul(row, nullptr, 2));
}

// Bits first..first+length-1 of an address (1 the leftmost) set.
std::uint32_t field(int first, int length) {
    return std::uint32_t(((std::uint64_t{1} << length) - 1) << (33 - first - length));
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
            const Press p = press(*parseAddressText(address + ' ' + mask));
            const Explanation e = explain(p);
            SCOPED_TRACE(address + ' ' + mask);
            const auto& b = p.boxes;
            ASSERT_EQ(e.status, b[Box::Text21]);
            ASSERT_EQ(e.rejectedBy.empty(), p.outcome.passed());
            if (!p.outcome.passed()) {
                EXPECT_TRUE(e.bitRows.empty() && e.network.empty() && !e.subnets && !e.hosts);
                continue;
            }
            const auto& ip = p.state.ipOctet;
            ++passed;
            const std::uint32_t ipBits = value(e.bits[0]), maskBits = value(e.bits[1]);
            EXPECT_EQ(ipBits, std::uint32_t(ip[0]) << 24 | std::uint32_t(ip[1]) << 16 |
                                  std::uint32_t(ip[2]) << 8 | std::uint32_t(ip[3]));
            EXPECT_EQ(value(e.bits[2]), ipBits & maskBits);
            EXPECT_EQ(value(e.bits[3]), (ipBits & maskBits) | ~maskBits);

            // The status step marks the subnet field of the network and the host field of the
            // address, and says "replaces" only where a later finding did replace an earlier one.
            const Findings& f = p.outcome.findings;
            const std::uint32_t subnetField = field(e.classBits + 1, e.subnetBits);
            const WorkingStep* status = e.step("status");
            ASSERT_TRUE(status);
            EXPECT_EQ(status->marks[std::size_t(BitRowName::network)], subnetField);
            EXPECT_EQ(status->marks[std::size_t(BitRowName::address)],
                      f.noHosts ? 0 : field(33 - e.hostBits, e.hostBits));
            EXPECT_EQ(status->text.find("replaces") != std::string::npos,
                      (f.subnetAllZeros || f.subnetAllOnes) &&
                          (f.noHosts || f.hostAllZeros || f.hostAllOnes));
            if (e.subnets) {
                // The subnet bits are the mask's one bits beyond the class's natural mask.
                const std::uint32_t natural = ~0U << (32 - 8 * (e.classLetter[0] - 'A' + 1));
                EXPECT_EQ(*e.subnetsWithZero,
                          std::uint64_t{1} << std::popcount(maskBits & ~natural));
            }
            // One block of addresses is one subnet's, every network starts on a block, and the
            // address's subnet is the network's subnet bits read as a number, reserved when all
            // zeros or all ones.
            if (e.blockSize) {
                ++blocks;
                const int octet = *e.blockOctet;
                EXPECT_EQ(std::uint64_t(*e.blockSize) << 8 * (4 - octet),
                          std::uint64_t{1} << e.hostBits);
                EXPECT_EQ(std::stoi(b[octetBox(Box::Text9, octet)]) % int(*e.blockSize), 0);
                const std::uint32_t last = (1U << e.subnetBits) - 1;
                ASSERT_TRUE(e.addressSubnet);
                EXPECT_EQ(*e.addressSubnet, (ipBits & maskBits) >> e.hostBits & last);
                EXPECT_EQ(e.reserved, *e.addressSubnet == 0      ? "all zeros"
                                      : *e.addressSubnet == last ? "all ones"
                                                                 : "");
            }
            if (HasFailure()) return;
        }
    // 53 masks pass for each address: the checks and the fields were all reached.
    EXPECT_EQ(passed, 53 * 11);
    EXPECT_GT(blocks, 0);
}

}  // namespace
