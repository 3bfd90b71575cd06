// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/text_report.h"

#include "report/captions.h"
#include "report/escape.h"
#include "report/json_writer.h"

#include <algorithm>
#include <string_view>

namespace octaval {
namespace {

// The captions stand in a column as wide as the longest one and two blanks.
constexpr std::size_t captionWidth =
    std::max_element(
        boxRows.begin(), boxRows.end(),
        [](const BoxRow& a, const BoxRow& b) { return a.caption.size() < b.caption.size(); })
        ->caption.size() +
    2;

// Characters of a UTF-8 text: every byte but the continuation bytes.
std::size_t characters(std::string_view text) {
    return std::size_t(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xc0) != 0x80; }));
}

bool onlyBlanks(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

}  // namespace

std::size_t captionColumn(std::span<const std::string> captions) {
    std::size_t widest = 0;
    for (const auto& caption : captions)
        widest = std::max(widest, characters(caption));
    return captions.empty() ? captionWidth : widest + 2;
}

void appendCaption(std::string& report, std::string_view caption, std::size_t width) {
    report += caption;
    report.append(width - std::min(width, characters(caption)), ' ');
}

std::string textReport(const BoxAccess& boxes, std::span<const std::string> captions) {
    const std::size_t width = captionColumn(captions);
    std::string report;
    for (std::size_t r = 0; r < boxRows.size(); ++r) {
        const BoxRow& row = boxRows[r];
        if (row.first == Box::Text21) continue;  // the status closes the report, uncaptioned
        bool blank = true;
        for (int k = 1; k <= row.boxes; ++k)
            blank = blank && onlyBlanks(boxes.text(octetBox(row.first, k)));
        if (blank) continue;
        const std::string_view caption = captions.empty() ? row.caption : captions[r];
        appendCaption(report, caption, width);
        for (int k = 1; k <= row.boxes; ++k) {
            if (k > 1) report += '.';
            appendEscaped(report, boxes.text(octetBox(row.first, k)), Escape::visible);
        }
        report += '\n';
    }
    appendEscaped(report, boxes.text(Box::Text21), Escape::visible);
    report += '\n';
    return report;
}

std::string pressReport(const MemoryBoxes& boxes, bool json) {
    if (!json) return textReport(boxes);
    std::string out;
    appendResultJson(out, boxes);
    out += '\n';
    return out;
}

}  // namespace octaval
