// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the batch line reader of octaval-cli on arbitrary bytes.
//
// The bytes are fed to a BatchReader twice, at once and in pieces of changing sizes, and both
// answers must be the same. Every answer line is then read back by a strict reader of the two
// shapes the batch mode writes, and compared with what a press on a fresh calculator shows for
// the same line, cut into fields here another way.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "engine/calculator.h"
#include "fuzz/fuzz_support.h"

namespace {

using octaval::Box;
using octaval::fuzz::escaped;
using octaval::fuzz::fail;

// The lines the reader must answer: every line ended by a line feed, and a last one without it
// when it is not empty.
std::vector<std::string_view> inputLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n') continue;
        lines.push_back(bytes.substr(start, i - start));
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

// The TAB-separated fields of a line after one trailing CR is dropped.
std::vector<std::string_view> fieldsOf(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string_view> fields(1);
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != '\t') continue;
        fields.back() = line.substr(start, i - start);
        if (i < line.size()) fields.emplace_back();
        start = i + 1;
    }
    return fields;
}

// A strict reader of one answer line, which must match the expected shape character by
// character apart from the string values, which it decodes.
class AnswerReader {
public:
    explicit AnswerReader(std::string_view text) : m_text(text) {}

    bool literal(std::string_view expected) {
        if (m_text.substr(m_pos, expected.size()) != expected) return false;
        m_pos += expected.size();
        return true;
    }
    bool string(std::string& value) {
        value.clear();
        if (!literal("\"")) return false;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                value += c;
                continue;
            }
            if (m_pos >= m_text.size()) return false;
            const char e = m_text[m_pos++];
            static constexpr std::string_view simple = "\"\\/bfnrt";
            static constexpr std::string_view decoded = "\"\\/\b\f\n\r\t";
            if (const auto at = simple.find(e); at != std::string_view::npos) {
                value += decoded[at];
            } else if (e == 'u' && m_pos + 4 <= m_text.size()) {
                unsigned code = 0;
                for (int i = 0; i < 4; ++i) {
                    const char h = m_text[m_pos++];
                    const auto digit =
                        std::string_view("0123456789abcdef").find(static_cast<char>(h | 0x20));
                    if (digit == std::string_view::npos) return false;
                    code = code * 16 + static_cast<unsigned>(digit);
                }
                if (code >= 0x80) return false;  // the writer escapes control characters only
                value += static_cast<char>(code);
            } else {
                return false;
            }
        }
        return false;
    }
    bool number(std::uint64_t& value) {
        const std::size_t start = m_pos;
        value = 0;
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9')
            value = value * 10 + static_cast<std::uint64_t>(m_text[m_pos++] - '0');
        const std::size_t length = m_pos - start;
        return length > 0 && (length == 1 || m_text[start] != '0');
    }
    bool atEnd() const { return m_pos == m_text.size(); }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The keys of a result line in their order, each with the first of its boxes and their count.
struct ResultKey {
    std::string_view key;
    Box first;
    int boxes;
};
constexpr std::array<ResultKey, 9> resultKeys = {{
    {"network", Box::Text9, 4},
    {"broadcast", Box::Text13, 4},
    {"class", Box::Text17, 1},
    {"networkLine", Box::Text18, 1},
    {"subnetLine", Box::Text19, 1},
    {"hostLine", Box::Text20, 1},
    {"firstSubnet", Box::Text26, 4},
    {"lastSubnet", Box::Text30, 4},
    {"status", Box::Text21, 1},
}};

bool isErrorAnswer(std::string_view answer, std::uint64_t lineNumber) {
    AnswerReader r(answer);
    std::uint64_t number = 0;
    std::string message;
    return r.literal("{\"line\":") && r.number(number) && number == lineNumber &&
           r.literal(",\"error\":") && r.string(message) && !message.empty() && r.literal("}") &&
           r.atEnd();
}

// Whether the answer is the result object of a press whose boxes are `boxes`.
bool isResultAnswer(std::string_view answer, const octaval::MemoryBoxes& boxes) {
    AnswerReader r(answer);
    std::string value;
    char separator = '{';
    for (const ResultKey& key : resultKeys) {
        if (!r.literal(std::string(1, separator) + "\"" + std::string(key.key) + "\":"))
            return false;
        separator = ',';
        for (int k = 1; k <= key.boxes; ++k) {
            if (key.boxes > 1 && !r.literal(k == 1 ? "[" : ",")) return false;
            if (!r.string(value) || value != boxes[octaval::octetBox(key.first, k)]) return false;
        }
        if (key.boxes > 1 && !r.literal("]")) return false;
    }
    return r.literal("}") && r.atEnd();
}

struct Run {
    std::string out;
    std::uint64_t lines = 0;
    bool malformed = false;
};

Run feedWhole(std::string_view bytes) {
    Run run;
    octaval::BatchReader reader;
    reader.feed(bytes, run.out);
    reader.finish(run.out);
    run.lines = reader.lines();
    run.malformed = reader.malformedSeen();
    return run;
}

// Pieces of 0 to 16 bytes, their sizes drawn from a fixed sequence: line feeds and CRs then fall
// at the start, inside and at the end of pieces, and empty pieces come too.
Run feedInPieces(std::string_view bytes) {
    Run run;
    octaval::BatchReader reader;
    std::uint32_t draw = static_cast<std::uint32_t>(bytes.size()) * 2654435761u + 1;
    while (!bytes.empty()) {
        draw = draw * 1664525u + 1013904223u;
        const std::size_t size = std::min<std::size_t>(bytes.size(), (draw >> 16) % 17);
        reader.feed(bytes.substr(0, size), run.out);
        bytes.remove_prefix(size);
    }
    reader.finish(run.out);
    run.lines = reader.lines();
    run.malformed = reader.malformedSeen();
    return run;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Run whole = feedWhole(bytes);
    const auto report = [&](std::string_view what, const std::string& extra = {}) {
        fail(what, "input " + escaped(bytes) + "\n  answers " + escaped(whole.out) + extra);
    };

    const Run pieces = feedInPieces(bytes);
    if (pieces.out != whole.out || pieces.lines != whole.lines ||
        pieces.malformed != whole.malformed)
        report("the answers depend on how the input is cut into pieces",
               "\n  in pieces " + escaped(pieces.out));

    if (!std::all_of(whole.out.begin(), whole.out.end(),
                     [](char c) { return c == '\n' || (c >= 0x20 && c < 0x7f); }))
        report("an answer holds a byte other than printable ASCII");

    const auto lines = inputLines(bytes);
    const auto answers = inputLines(whole.out);
    if (!whole.out.empty() && whole.out.back() != '\n') report("the answers do not end a line");
    if (answers.size() != lines.size() || whole.lines != lines.size())
        report("not exactly one answer per input line");

    bool malformed = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto fields = fieldsOf(lines[i]);
        const std::string where = "\n  at line " + std::to_string(i + 1);
        if (fields.size() != 8) {
            malformed = true;
            if (!isErrorAnswer(answers[i], i + 1))
                report("a line without eight fields is not answered with its error", where);
            continue;
        }
        // Every press is independent of the earlier ones, so a fresh calculator must agree with
        // the reader's, which has answered every earlier line.
        octaval::CalculatorState state;
        octaval::MemoryBoxes boxes;
        for (int k = 1; k <= 8; ++k)
            boxes.setText(octaval::boxNumber(k), fields[static_cast<std::size_t>(k - 1)]);
        octaval::Recalculate(state, boxes);
        if (!isResultAnswer(answers[i], boxes))
            report("a line of eight fields is not answered with its press", where);
    }
    if (malformed != whole.malformed) report("malformedSeen does not tell a malformed line");
    return 0;
}
