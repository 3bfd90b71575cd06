// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/press.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

octaval::PressInputs inputs(std::array<std::string, 4> address, std::array<std::string, 4> mask) {
    return {std::move(address), std::move(mask)};
}

struct TextCase {
    std::string name;
    octaval::PressInputs inputs;
    std::string report;
    int exitStatus;
};

// One address of every class and every status message, with the rows the window would show.
TEST(AnswerPress, PrintsTheWindowsRowsThatHoldText) {
    const std::vector<TextCase> cases = {
        {"class A, OK", inputs({"10", "1", "2", "3"}, {"255", "255", "0", "0"}),
         "IP address   10.1.2.3\n"
         "Subnet mask  255.255.0.0\n"
         "Subnet       10.1.0.0\n"
         "Broadcast    10.1.255.255\n"
         "Class        A\n"
         "Network      8 bits, Class A\n"
         "Subnet       8 bits, 254 subnets\n"
         "Host         16 bits, 65534 hosts\n"
         "Subnet 1     10.1.0.0\n"
         "Subnet N     10.254.0.0\n"
         "OK\n",
         0},
        {"class B, subnet field all zeros",
         inputs({"172", "16", "5", "9"}, {"255", "255", "240", "0"}),
         "IP address   172.16.5.9\n"
         "Subnet mask  255.255.240.0\n"
         "Subnet       172.16.0.0\n"
         "Broadcast    172.16.15.255\n"
         "Class        B\n"
         "Network      16 bits, Class B\n"
         "Subnet       4 bits, 14 subnets\n"
         "Host         12 bits, 4094 hosts\n"
         "Subnet 1     172.16.16.0\n"
         "Subnet N     172.16.224.0\n"
         "Illegal subnet (all zeros) or use subnet-zero\n",
         1},
        {"class C, OK", inputs({"192", "168", "1", "70"}, {"255", "255", "255", "224"}),
         "IP address   192.168.1.70\n"
         "Subnet mask  255.255.255.224\n"
         "Subnet       192.168.1.64\n"
         "Broadcast    192.168.1.95\n"
         "Class        C\n"
         "Network      24 bits, Class C\n"
         "Subnet       3 bits, 6 subnets\n"
         "Host         5 bits, 30 hosts\n"
         "Subnet 1     192.168.1.32\n"
         "Subnet N     192.168.1.192\n"
         "OK\n",
         0},
        {"class D", inputs({"224", "1", "2", "3"}, {"255", "255", "255", "0"}),
         "IP address   224.1.2.3\n"
         "Subnet mask  255.255.255.0\n"
         "Subnet       224.1.2.0\n"
         "Broadcast    224.1.2.255\n"
         "Class        D\n"
         "Network      Multicast, Class D\n"
         "OK\n",
         0},
        {"class E", inputs({"240", "1", "2", "3"}, {"255", "255", "255", "0"}),
         "IP address   240.1.2.3\n"
         "Subnet mask  255.255.255.0\n"
         "Subnet       240.1.2.0\n"
         "Broadcast    240.1.2.255\n"
         "Class        E\n"
         "Network      Research, Class E\n"
         "OK\n",
         0},
        {"first octet 255", inputs({"255", "1", "2", "3"}, {"255", "255", "255", "0"}),
         "IP address   255.1.2.3\n"
         "Subnet mask  255.255.255.0\n"
         "Subnet       255.1.2.0\n"
         "Broadcast    255.1.2.255\n"
         "Class        E\n"
         "Network      Research, Class E\n"
         "OK\n",
         0},
        {"no host bits", inputs({"192", "168", "1", "1"}, {"255", "255", "255", "255"}),
         "IP address   192.168.1.1\n"
         "Subnet mask  255.255.255.255\n"
         "Subnet       192.168.1.1\n"
         "Broadcast    192.168.1.1\n"
         "Class        C\n"
         "No host(s)\n",
         1},
        {"host field all zeros", inputs({"192", "168", "1", "0"}, {"255", "255", "255", "0"}),
         "IP address   192.168.1.0\n"
         "Subnet mask  255.255.255.0\n"
         "Subnet       192.168.1.0\n"
         "Broadcast    192.168.1.255\n"
         "Class        C\n"
         "Network      24 bits, Class C\n"
         "Subnet       0 bits, no subnets\n"
         "Host         8 bits, 254 hosts\n"
         "Illegal host ip address (all zeros = network)\n",
         1},
        {"rejected address: only the inputs and the message",
         inputs({"0", "1", "2", "3"}, {"255", "0", "0", "0"}),
         "IP address   0.1.2.3\n"
         "Subnet mask  255.0.0.0\n"
         "Illegal IP address\n",
         1},
        {"empty input boxes are left out like blank ones",
         inputs({"", "", "", ""}, {" ", "", " ", ""}), "Illegal IP address\n", 1},
    };
    for (const auto& c : cases) {
        const auto answer = octaval::answerPress(c.inputs, false);
        EXPECT_EQ(answer.output, c.report) << c.name;
        EXPECT_EQ(answer.exitStatus, c.exitStatus) << c.name;
    }
}

TEST(AnswerPress, JsonHoldsEveryBoxTextExactly) {
    const auto answer =
        octaval::answerPress(inputs({"10", "255", "1", "1"}, {"255", "255", "0", "0"}), true);
    EXPECT_EQ(answer.output,
              R"j({"network":["10","255","0","0"],"broadcast":["10","255","255","255"],)j"
              R"j("class":"A","networkLine":"8 bits, Class A","subnetLine":"8 bits, 254 subnets",)j"
              R"j("hostLine":"16 bits, 65534 hosts","firstSubnet":["10","1","0","0"],)j"
              R"j("lastSubnet":["10","254","0","0"],"status":"Illegal subnet (all ones)"})j"
              "\n");
    EXPECT_EQ(answer.exitStatus, 1);

    const auto rejected =
        octaval::answerPress(inputs({"10", "1", "2", "3"}, {"255", "0", "255", "0"}), true);
    EXPECT_EQ(rejected.output,
              R"j({"network":[" "," "," "," "],"broadcast":[" "," "," "," "],"class":" ",)j"
              R"j("networkLine":" ","subnetLine":" ","hostLine":" ",)j"
              R"j("firstSubnet":[" "," "," "," "],"lastSubnet":[" "," "," "," "],)j"
              R"j("status":"Illegal subnet mask"})j"
              "\n");
    EXPECT_EQ(rejected.exitStatus, 1);
}

}  // namespace
