// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/subnets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <string>

using namespace octaval;
using Octets = std::array<unsigned, 4>;

static Address number(const Octets& o) {
    return (o[0] << 24) | (o[1] << 16) | (o[2] << 8) | o[3];
}

static PressOutcome press(const Octets& i, const Octets& m, CalculatorState& state) {
    MemoryBoxes boxes;
    const auto t = [](unsigned v) { return std::to_string(v); };
    setInputs(boxes, {t(i[0]), t(i[1]), t(i[2]), t(i[3])}, {t(m[0]), t(m[1]), t(m[2]), t(m[3])});
    return Recalculate(state, boxes).outcome;
}

// Every mask of accepted octet values on addresses of every class; the list of each mask that
// the press accepts against arithmetic on the octets: subnet n puts n's bits into the subnet
// bits of the octets (each mask octet's leading ones) from the last octet up, lowest bit first.
TEST(SubnetList, EveryAcceptedMaskOfEveryClassAgainstOctetArithmetic) {
    using enum Subnet::Reserved;
    const unsigned v[] = {255, 254, 252, 248, 240, 224, 192, 128, 0};
    for (const char* address : {"10.1.2.3", "127.254.255.1", "130.1.2.3", "191.255.0.254",
                                "192.168.1.70", "223.0.255.129", "224.1.2.3", "255.255.255.255"}) {
        Octets ip{};
        std::sscanf(address, "%u.%u.%u.%u", &ip[0], &ip[1], &ip[2], &ip[3]);
        for (unsigned c = 0; c < 9 * 9 * 9 * 9; ++c) {
            const Octets mask = {v[c % 9], v[c / 9 % 9], v[c / 81 % 9], v[c / 729]};
            CalculatorState state;
            if (!press(ip, mask, state).passed()) continue;
            const auto list = SubnetList::of(state);
            ASSERT_EQ(list.has_value(), ip[0] < 224) << address;
            if (!list) continue;
            const unsigned first = ip[0] < 128 ? 1 : ip[0] < 192 ? 2 : 3;  // after the class's
            ASSERT_EQ(list->count(), std::uint64_t{1} << std::popcount(number(mask) << 8 * first));
            const auto last = static_cast<std::uint32_t>(list->count() - 1);
            for (std::uint32_t n = 0;; n = std::min(last, n + 1 + last / 40)) {
                Octets net = ip, bcast = ip;
                for (unsigned k = 4, rest = n; k-- > first; rest >>= std::popcount(mask[k])) {
                    const int bits = std::popcount(mask[k]);
                    net[k] = ((rest % (1U << bits)) << (8 - bits)) & 255;
                    bcast[k] = net[k] | (255 - mask[k]);
                }
                const Subnet s = list->subnet(n);
                EXPECT_EQ(s.network, number(net)) << address << ' ' << n;
                EXPECT_EQ(s.broadcast, number(bcast)) << address << ' ' << n;
                // A press on the subnet's first host finds the subnets that the classful rules
                // reserve, where the subnet field is contiguous (not under a mask 255.a.b.0).
                if (s.hasHosts && (first > 1 || mask[1] == 255 || mask[2] == 0)) {
                    const auto verdict =
                        press({net[0], net[1], net[2], net[3] + 1}, mask, state).findings;
                    EXPECT_EQ(s.reserved == AllZeros, verdict.subnetAllZeros) << n;
                    EXPECT_EQ(s.reserved == AllOnes, verdict.subnetAllOnes) << n;
                }
                if (n == last) break;
            }
        }
    }
}
