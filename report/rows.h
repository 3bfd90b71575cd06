// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "engine/boxes.h"

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

}  // namespace octaval
