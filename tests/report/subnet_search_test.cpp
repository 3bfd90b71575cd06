// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The subnet list's search at the limits of what it reads: digits are a subnet's number, four
// octets of up to three digits an address, anything else neither.
#include "report/press.h"
#include "report/subnet_rows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>
#include <variant>

namespace {

using octaval::SubnetMiss;
using Found = std::variant<std::uint32_t, SubnetMiss::Why>;

struct SearchRow {
    const char* name;
    std::string_view text;
    Found found;
};

class FindSubnet : public testing::TestWithParam<SearchRow> {};

TEST_P(FindSubnet, NamesTheSubnetOrWhyNone) {
    // 10.1.2.3/30: subnets 0 to 4194303.
    const auto p = octaval::press(*octaval::parseAddressText("10.1.2.3/30"));
    const auto found =
        octaval::findSubnet(octaval::SubnetList::of(p.state).value(), GetParam().text);
    const auto* miss = std::get_if<SubnetMiss>(&found);
    EXPECT_EQ(miss ? Found(miss->why) : Found(std::get<std::uint32_t>(found)), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, FindSubnet,
    testing::Values(SearchRow{"first", "0", 0U}, SearchRow{"leadingZeros", "0012", 12U},
                    SearchRow{"last", "4194303", 4194303U},
                    SearchRow{"pastLast", "4194304", SubnetMiss::Why::pastLast},
                    SearchRow{"beyond64Bits", "18446744073709551621", SubnetMiss::Why::pastLast},
                    SearchRow{"address", " 10.200.3.77\t", 3277011U},
                    SearchRow{"threeDigitOctets", "010.000.000.004", 1U},
                    SearchRow{"highest", "10.255.255.255", 4194303U},
                    SearchRow{"fourDigitOctet", "0010.0.0.4", SubnetMiss::Why::notAnAddress},
                    SearchRow{"octetPast", "10.0.0.256", SubnetMiss::Why::notAnAddress},
                    SearchRow{"emptyPart", "10..0.4", SubnetMiss::Why::notAnAddress},
                    SearchRow{"fiveParts", "10.0.0.0.4", SubnetMiss::Why::notAnAddress},
                    SearchRow{"blankInside", "10. 0.0.4", SubnetMiss::Why::notAnAddress},
                    SearchRow{"trailingLetter", "10.0.0.4x", SubnetMiss::Why::notAnAddress},
                    SearchRow{"exponent", "1e2", SubnetMiss::Why::notAnAddress},
                    SearchRow{"sign", "+5", SubnetMiss::Why::notAnAddress},
                    SearchRow{"fullWidthDigit", "\xEF\xBC\x91", SubnetMiss::Why::notAnAddress},
                    SearchRow{"outside", "11.0.0.1", SubnetMiss::Why::outside},
                    SearchRow{"blanks", " \t", SubnetMiss::Why::empty}),
    [](const testing::TestParamInfo<SearchRow>& info) { return std::string(info.param.name); });

}  // namespace
