// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The captions that people read beside the numbers, in one place: the main window's rows, the
// subnet list's columns and the practice's questions. The text, JSON and binary reports, the
// subnet list in every format and the windows take their captions from here; the windows show
// them in the user's language.

#include <array>
#include <string_view>

#include "engine/boxes.h"
#include "engine/phrase.h"

namespace octaval {

/// One row of the main window from top to bottom: its caption (the window's label, the first
/// column of the text report, and the start of its boxes' accessible names), its key in the JSON
/// result object (empty for the two input rows, which the object leaves out), and its boxes.
struct BoxRow {
    std::string_view caption;
    std::string_view jsonKey;
    Box first;
    int boxes;  // 4 for an address row, 1 for a row of one box
};

inline constexpr std::array<BoxRow, 11> boxRows = {{
    {"IP address", "", Box::Text1, 4},
    {"Subnet mask", "", Box::Text5, 4},
    {"Subnet", "network", Box::Text9, 4},
    {"Broadcast", "broadcast", Box::Text13, 4},
    {"Class", "class", Box::Text17, 1},
    {"Network", "networkLine", Box::Text18, 1},
    {"Subnet", "subnetLine", Box::Text19, 1},
    {"Host", "hostLine", Box::Text20, 1},
    {"Subnet 1", "firstSubnet", Box::Text26, 4},
    {"Subnet N", "lastSubnet", Box::Text30, 4},
    {"Status", "status", Box::Text21, 1},
}};

/// The columns of the subnet list's text and CSV forms and of the Subnets window, in order.
enum class SubnetColumn : unsigned char { number, network, firstHost, lastHost, broadcast, marks };
inline constexpr std::array<std::string_view, 6> subnetColumnCaptions = {
    phrase("octaval::frmSubnets", "Subnet").source,
    phrase("octaval::frmSubnets", "Network").source,
    phrase("octaval::frmSubnets", "First host").source,
    phrase("octaval::frmSubnets", "Last host").source,
    phrase("octaval::frmSubnets", "Broadcast").source,
    phrase("octaval::frmSubnets", "Marks").source};

/// One question of the practice: its key in worksheets and on the command line, and the question
/// as asked.
struct QuestionCaption {
    std::string_view key;
    std::string_view prompt;
};

/// The questions in the order of the practice's questions (network, broadcast, class, network
/// bits, subnet bits, host bits, subnets, hosts, first subnet, last subnet, status).
inline constexpr std::array<QuestionCaption, 11> questionCaptions = {{
    {"network", phrase("Practice", "Network (subnet) address").source},
    {"broadcast", phrase("Practice", "Broadcast address").source},
    {"class", phrase("Practice", "Class").source},
    {"networkBits", phrase("Practice", "Network bits of the class").source},
    {"subnetBits", phrase("Practice", "Subnet bits").source},
    {"hostBits", phrase("Practice", "Host bits").source},
    {"subnets", phrase("Practice", "Usable subnets").source},
    {"hosts", phrase("Practice", "Usable hosts per subnet").source},
    {"firstSubnet", phrase("Practice", "First usable subnet (Subnet 1)").source},
    {"lastSubnet", phrase("Practice", "Last usable subnet (Subnet N)").source},
    {"status", phrase("Practice", "Status message").source},
}};

}  // namespace octaval
