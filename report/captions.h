// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The captions that people read beside the numbers, in one place: the main window's rows, the
// subnet list's columns and the practice's questions. The text, JSON and binary reports, the
// subnet list in every format and the windows take their captions from here; the windows show
// them in the user's language.

#include <array>
#include <cstdlib>
#include <string_view>

#include "engine/boxes.h"
#include "engine/phrase.h"

namespace octaval {

/// The context in which every caption here is marked for translation: one entry for a word that
/// several tables and windows show ("Class" is the window's row, the practice's question and a
/// step of the working). The marks spell it out, as lupdate reads only literal texts.
inline constexpr std::string_view captionContext = "Caption";

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
    {phrase("Caption", "IP address").source, "", Box::Text1, 4},
    {phrase("Caption", "Subnet mask").source, "", Box::Text5, 4},
    {phrase("Caption", "Subnet").source, "network", Box::Text9, 4},
    {phrase("Caption", "Broadcast").source, "broadcast", Box::Text13, 4},
    {phrase("Caption", "Class").source, "class", Box::Text17, 1},
    {phrase("Caption", "Network").source, "networkLine", Box::Text18, 1},
    {phrase("Caption", "Subnet").source, "subnetLine", Box::Text19, 1},
    {phrase("Caption", "Host").source, "hostLine", Box::Text20, 1},
    {phrase("Caption", "Subnet 1").source, "firstSubnet", Box::Text26, 4},
    {phrase("Caption", "Subnet N").source, "lastSubnet", Box::Text30, 4},
    {phrase("Caption", "Status").source, "status", Box::Text21, 1},
}};

/// The caption of the row that begins with box `first`.
constexpr std::string_view rowCaption(Box first) {
    for (const BoxRow& row : boxRows)
        if (row.first == first) return row.caption;
    // No row begins there: a fault of the caller, which a constant evaluation refuses to compile.
    std::abort();
}

/// The name of one box of a row of four, as screen readers announce it: %1 the row's caption,
/// %2 the octet's number from 1.
inline constexpr Phrase octetCaption = phrase("Caption", "%1, octet %2");

/// The columns of the subnet list's text and CSV forms and of the Subnets window, in order.
enum class SubnetColumn : unsigned char { number, network, firstHost, lastHost, broadcast, marks };
inline constexpr std::array<std::string_view, 6> subnetColumnCaptions = {
    phrase("Caption", "Subnet").source,     phrase("Caption", "Network").source,
    phrase("Caption", "First host").source, phrase("Caption", "Last host").source,
    phrase("Caption", "Broadcast").source,  phrase("Caption", "Marks").source};

/// One question of the practice: its key in worksheets and on the command line, and the question
/// as asked.
struct QuestionCaption {
    std::string_view key;
    std::string_view prompt;
};

/// The questions in the order of the practice's questions (network, broadcast, class, network
/// bits, subnet bits, host bits, subnets, hosts, first subnet, last subnet, status).
inline constexpr std::array<QuestionCaption, 11> questionCaptions = {{
    {"network", phrase("Caption", "Network (subnet) address").source},
    {"broadcast", phrase("Caption", "Broadcast address").source},
    {"class", phrase("Caption", "Class").source},
    {"networkBits", phrase("Caption", "Network bits of the class").source},
    {"subnetBits", phrase("Caption", "Subnet bits").source},
    {"hostBits", phrase("Caption", "Host bits").source},
    {"subnets", phrase("Caption", "Usable subnets").source},
    {"hosts", phrase("Caption", "Usable hosts per subnet").source},
    {"firstSubnet", phrase("Caption", "First usable subnet (Subnet 1)").source},
    {"lastSubnet", phrase("Caption", "Last usable subnet (Subnet N)").source},
    {"status", phrase("Caption", "Status message").source},
}};

}  // namespace octaval
