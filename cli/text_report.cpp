// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/text_report.h"

#include <algorithm>
#include <string_view>

namespace octaval {
namespace {

// The captions stand in a column as wide as the longest one and two blanks.
constexpr std::size_t captionWidth =
    std::ranges::max(boxRows, {}, [](const BoxRow& row) { return row.caption.size(); })
        .caption.size() +
    2;

bool onlyBlanks(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// Appends a box text with its control characters escaped, so that a line feed, tab or escape
// typed into an input box cannot break or garble the report's lines.
void appendVisible(std::string& report, std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7f) {
            report += c;
        } else if (c == '\n') {
            report += "\\n";
        } else if (c == '\t') {
            report += "\\t";
        } else if (c == '\r') {
            report += "\\r";
        } else {
            static constexpr std::string_view hex = "0123456789abcdef";
            report += "\\x";
            report += hex[byte >> 4];
            report += hex[byte & 0xF];
        }
    }
}

}  // namespace

void appendCaption(std::string& report, std::string_view caption) {
    report += caption;
    report.append(captionWidth - caption.size(), ' ');
}

std::string textReport(const BoxAccess& boxes) {
    std::string report;
    for (const BoxRow& row : boxRows) {
        if (row.first == Box::Text21) continue;  // the status closes the report, uncaptioned
        bool blank = true;
        for (int k = 1; k <= row.boxes; ++k)
            blank = blank && onlyBlanks(boxes.text(octetBox(row.first, k)));
        if (blank) continue;
        appendCaption(report, row.caption);
        for (int k = 1; k <= row.boxes; ++k) {
            if (k > 1) report += '.';
            appendVisible(report, boxes.text(octetBox(row.first, k)));
        }
        report += '\n';
    }
    appendVisible(report, boxes.text(Box::Text21));
    report += '\n';
    return report;
}

}  // namespace octaval
