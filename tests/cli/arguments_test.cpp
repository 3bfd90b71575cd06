// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Octets = std::array<std::string, 4>;

struct PasteCase {
    std::string_view text;
    std::optional<Octets> address;  // nothing: not an address
    std::optional<Octets> mask;
};

TEST(ParseAddressText, ReadsEveryFormOfTheOperands) {
    const Octets address = {"192", "168", "1", "70"};
    const Octets mask27 = {"255", "255", "255", "224"};
    const std::vector<PasteCase> cases = {
        {"192.168.1.70", address, std::nullopt},
        {"192.168.1.70/27", address, mask27},
        {"192.168.1.70 255.255.255.224", address, mask27},
        {" 192.168.1.70\t /0027\r\n", address, mask27},
        {"10.1.2.3/9", Octets{"10", "1", "2", "3"}, Octets{"255", "128", "0", "0"}},
        {"&H1..x. 255.-1..", Octets{"&H1", "", "x", ""}, Octets{"255", "-1", "", ""}},
        {"", std::nullopt, std::nullopt},
        {"192.168.1", std::nullopt, std::nullopt},
        {"192.168.1.70/33", std::nullopt, std::nullopt},
        {"192.168.1.70/99999999999", std::nullopt, std::nullopt},
        {"192.168.1.70/27 /27", std::nullopt, std::nullopt},
        {"192.168.1.70 /27 x", std::nullopt, std::nullopt},
        {"/27 192.168.1.70", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto read = octaval::parseAddressText(c.text);
        EXPECT_EQ(read ? std::optional(read->address) : std::nullopt, c.address) << c.text;
        EXPECT_EQ(read ? read->mask : std::nullopt, c.mask) << c.text;
    }
}

}  // namespace
