// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/text_report.h"

#include <array>
#include <string_view>

namespace octaval {
namespace {

struct Row {
    std::string_view caption;
    Box first;
    int boxes;  // 4 for an address row, 1 for a row with one box
};

// The rows of the window from top to bottom, with their captions.
constexpr std::array<Row, 10> rows = {{
    {"IP address", Box::Text1, 4},
    {"Subnet mask", Box::Text5, 4},
    {"Subnet", Box::Text9, 4},
    {"Broadcast", Box::Text13, 4},
    {"Class", Box::Text17, 1},
    {"Network", Box::Text18, 1},
    {"Subnet", Box::Text19, 1},
    {"Host", Box::Text20, 1},
    {"Subnet 1", Box::Text26, 4},
    {"Subnet N", Box::Text30, 4},
}};

constexpr std::size_t captionWidth = 13;  // the longest caption, "Subnet mask", and two blanks

bool onlyBlanks(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

std::string textReport(const MemoryBoxes& boxes) {
    std::string report;
    for (const Row& row : rows) {
        bool blank = true;
        for (int k = 1; k <= row.boxes; ++k)
            blank = blank && onlyBlanks(boxes[octetBox(row.first, k)]);
        if (blank) continue;
        report += row.caption;
        report.append(captionWidth - row.caption.size(), ' ');
        for (int k = 1; k <= row.boxes; ++k) {
            if (k > 1) report += '.';
            report += boxes[octetBox(row.first, k)];
        }
        report += '\n';
    }
    report += boxes[Box::Text21];
    report += '\n';
    return report;
}

}  // namespace octaval
