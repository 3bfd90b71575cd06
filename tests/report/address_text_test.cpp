// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/address_text.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

using Octets = std::array<std::string, 4>;

TEST(ParseAddressText, ReadsEveryFormOfTheOperands) {
    const Octets address = {"192", "168", "1", "70"};
    const Octets mask27 = {"255", "255", "255", "224"};
    // The text, then the address and mask texts it gives.
    const std::vector<std::tuple<std::string_view, Octets, std::optional<Octets>>> cases = {
        {"192.168.1.70", address, std::nullopt},
        {"192.168.1.70/27", address, mask27},
        {"192.168.1.70 255.255.255.224", address, mask27},
        {"192.168.1.70/255.255.255.224", address, mask27},
        {" 192.168.1.70\t /0027\r\n", address, mask27},
        {"10.1.2.3/9", Octets{"10", "1", "2", "3"}, Octets{"255", "128", "0", "0"}},
        {"&H1..x. 255.-1..", Octets{"&H1", "", "x", ""}, Octets{"255", "-1", "", ""}},
    };
    for (const auto& [text, octets, mask] : cases) {
        const auto read = octaval::parseAddressText(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(read->address, octets) << text;
        EXPECT_EQ(read->mask, mask) << text;
    }
    for (const std::string_view text :
         {"", "192.168.1", "192.168.1.70/33", "192.168.1.70/99999999999", "192.168.1.70/27 /27",
          "192.168.1.70 /27 x", "/27 192.168.1.70", "192.168.1.70/255.255.255"})
        EXPECT_FALSE(octaval::parseAddressText(text)) << text;
}

}  // namespace
