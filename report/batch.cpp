// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/batch.h"

#include "report/address_text.h"
#include "report/escape.h"
#include "report/json_writer.h"

namespace octaval {
namespace {

constexpr std::size_t keptCapacity = std::size_t{1} << 20;

std::string fieldCountMessage(std::size_t count) {
    std::string message = "expected 8 TAB-separated fields, found ";
    message += std::to_string(count);
    return message;
}

}  // namespace

BatchFields splitBatchFields(std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    BatchFields result;
    // One pass over the bytes: the fields are short, and a search call for each tab cost more
    // than the line's bytes.
    std::size_t start = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '\t') continue;
        if (result.count < result.fields.size())
            result.fields[result.count] = line.substr(start, i - start);
        ++result.count;
        start = i + 1;
    }
    if (result.count < result.fields.size()) result.fields[result.count] = line.substr(start);
    ++result.count;
    return result;
}

std::string BatchBoxes::text(Box box) const {
    const int n = numberOf(box);
    return n <= 8 ? std::string(m_inputs[static_cast<std::size_t>(n - 1)]) : m_outputs.text(box);
}

void BatchBoxes::setText(Box box, std::string_view text) {
    const int n = numberOf(box);
    if (n <= 8)
        m_inputs[static_cast<std::size_t>(n - 1)] = text;
    else
        m_outputs.setText(box, text);
}

PressResult appendPressLine(const OctetTexts& address, const OctetTexts& mask,
                            CalculatorState& state, BatchBoxes& boxes, std::string& out) {
    setInputs(boxes, address, mask);
    const PressResult result = Recalculate(state, boxes);
    appendResultJson(out, boxes.outputs());
    out += '\n';
    return result;
}

bool processBatchLine(std::string_view line, std::uint64_t lineNumber, CalculatorState& state,
                      BatchBoxes& boxes, std::string& out) {
    const BatchFields split = splitBatchFields(line);
    if (split.count != split.fields.size()) {
        appendLineErrorJson(out, lineNumber, fieldCountMessage(split.count));
        out += '\n';
        return false;
    }
    const auto& f = split.fields;
    appendPressLine({f[0], f[1], f[2], f[3]}, {f[4], f[5], f[6], f[7]}, state, boxes, out);
    return true;
}

bool processAddressLine(std::string_view line, std::uint64_t lineNumber, CalculatorState& state,
                        BatchBoxes& boxes, std::string& out) {
    const auto read = readAddressLine(line);
    if (const auto* message = std::get_if<std::string>(&read)) {
        // The message quotes the line, which may hold any bytes.
        std::string ascii;
        appendEscaped(ascii, *message, Escape::ascii);
        appendLineErrorJson(out, lineNumber, ascii);
        out += '\n';
        return false;
    }
    const auto& texts = std::get<AddressTexts>(read);
    const auto& a = texts.address;
    const auto m = texts.maskOrNatural();
    appendPressLine({a[0], a[1], a[2], a[3]}, {m[0], m[1], m[2], m[3]}, state, boxes, out);
    return true;
}

void BatchReader::feed(std::string_view bytes, std::string& out) {
    while (!bytes.empty()) {
        const auto lineFeed = bytes.find('\n');
        const std::string_view piece = bytes.substr(0, lineFeed);
        if (!m_overlong && m_partial.size() + piece.size() > m_maxLineLength) {
            m_overlong = true;
            releasePartial();
        }
        if (lineFeed == std::string_view::npos) {
            if (!m_overlong) m_partial.append(piece);
            return;
        }
        bytes.remove_prefix(lineFeed + 1);
        if (m_overlong) {
            answerOverlong(out);
        } else if (m_partial.empty()) {
            answer(piece, out);
        } else {
            m_partial.append(piece);
            answer(m_partial, out);
            releasePartial();
        }
    }
}

void BatchReader::finish(std::string& out) {
    if (m_overlong) {
        answerOverlong(out);
    } else if (!m_partial.empty()) {
        answer(m_partial, out);
        releasePartial();
    }
}

void BatchReader::releasePartial() {
    // The memory of a long line is given back; that of short ones is kept for the next.
    if (m_partial.capacity() > keptCapacity)
        std::string().swap(m_partial);
    else
        m_partial.clear();
}

void BatchReader::answer(std::string_view line, std::string& out) {
    const bool read = m_format == BatchFormat::fields
                          ? processBatchLine(line, ++m_lines, m_state, m_boxes, out)
                          : processAddressLine(line, ++m_lines, m_state, m_boxes, out);
    if (!read) m_malformed = true;
}

void BatchReader::answerOverlong(std::string& out) {
    m_overlong = false;
    m_malformed = true;
    std::string message = "line longer than ";
    message += std::to_string(m_maxLineLength);
    message += " bytes";
    appendLineErrorJson(out, ++m_lines, message);
    out += '\n';
}

}  // namespace octaval
