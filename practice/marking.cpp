// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/marking.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "practice/exercise.h"
#include "report/json_reader.h"
#include "report/json_writer.h"

namespace octaval {
namespace {

// One pupil's line as read.
struct Sheet {
    std::string address, mask, student;
    std::vector<std::pair<Question, std::string>> answers;
};

// The worksheet's own columns and members, which say nothing that marking needs.
bool worksheetOwn(std::string_view name) {
    return name == "problem" || name == "questions";
}

std::string quotedName(std::string_view what, std::string_view name) {
    return std::string(what) + " '" + std::string(name) + "'";
}

std::variant<Sheet, std::string> readJsonSheet(std::string_view line) {
    auto read = readJson(line);
    if (auto* error = std::get_if<std::string>(&read)) return "not JSON: " + *error;
    const JsonValue& object = std::get<JsonValue>(read);
    if (object.kind != JsonValue::Kind::object) return std::string("not a JSON object");
    Sheet sheet;
    for (std::size_t i = 0; i < object.keys.size(); ++i) {
        const std::string& key = object.keys[i];
        const JsonValue& value = object.values[i];
        if (key == "answers") {
            if (value.kind != JsonValue::Kind::object)
                return std::string("the answers must be an object of question keys and texts");
            for (std::size_t a = 0; a < value.keys.size(); ++a) {
                const auto q = questionFromKey(value.keys[a]);
                if (!q) return quotedName("unknown question key", value.keys[a]);
                const JsonValue& answer = value.values[a];
                // A form may send a count as a number, and nothing for a blank answer.
                if (answer.kind != JsonValue::Kind::string &&
                    answer.kind != JsonValue::Kind::number && answer.kind != JsonValue::Kind::null)
                    return quotedName("a text expected as the answer to", value.keys[a]);
                sheet.answers.emplace_back(*q, answer.text);
            }
        } else if (key == "address" || key == "mask" || key == "student") {
            if (value.kind != JsonValue::Kind::string &&
                (key != "student" || value.kind != JsonValue::Kind::null))
                return quotedName("a text expected as", key);
            (key == "address" ? sheet.address
             : key == "mask"  ? sheet.mask
                              : sheet.student) = value.text;
        } else if (!worksheetOwn(key)) {
            return quotedName("unknown member", key);
        }
    }
    if (!object.member("answers")) return std::string("missing answers");
    return sheet;
}

// The records of a CSV text, each with the line it starts on.
class CsvRecords {
public:
    explicit CsvRecords(std::string_view text) : m_text(text) {}

    struct Record {
        std::vector<std::string> fields;
        std::uint64_t line = 0;
        std::string error;  // why the record could not be read; empty when it could
    };

    /// The next record; false at the end of the text.
    bool next(Record& r) {
        if (m_at == m_text.size()) return false;
        r = Record{{std::string()}, m_line, {}};
        for (;;) {
            std::string& field = r.fields.back();
            if (m_at < m_text.size() && m_text[m_at] == '"') {
                ++m_at;
                for (;;) {
                    if (m_at == m_text.size()) return fail(r, "a quoted field without its end");
                    const char c = m_text[m_at++];
                    if (c == '"' && (m_at == m_text.size() || m_text[m_at] != '"')) break;
                    if (c == '"') ++m_at;  // a doubled quote stands for one
                    if (c == '\n') ++m_line;
                    field += c;
                }
                if (!atLineEnd() && m_text[m_at] != ',')
                    return fail(r, "text after the closing quote of a field");
            } else {
                for (; !atLineEnd() && m_text[m_at] != ','; ++m_at) {
                    if (m_text[m_at] == '"') return fail(r, "a quote inside a field not quoted");
                    field += m_text[m_at];
                }
            }
            if (!isUtf8(field)) return fail(r, "not UTF-8");
            if (atLineEnd()) break;
            ++m_at;  // the comma
            r.fields.emplace_back();
        }
        if (m_at < m_text.size() && m_text[m_at] == '\r') ++m_at;
        if (m_at < m_text.size()) ++m_at, ++m_line;
        return true;
    }

private:
    bool atLineEnd() const {
        const std::string_view rest = m_text.substr(m_at);
        return rest.empty() || rest.starts_with('\n') || rest == "\r" || rest.starts_with("\r\n");
    }
    // Skips the rest of the line where the record went wrong.
    bool fail(Record& r, std::string_view why) {
        r.error = why;
        const auto end = m_text.find('\n', m_at);
        m_at = end == std::string_view::npos ? m_text.size() : end + 1;
        ++m_line;
        return true;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    std::uint64_t m_line = 1;
};

enum class MarkKind : unsigned char { right, wrong, unreadable, unanswered };
constexpr std::array<std::string_view, 4> markNames = {"right", "wrong", "unreadable",
                                                       "unanswered"};

MarkKind kindOf(const Mark& m) {
    if (m.verdict == Mark::Verdict::notAnswered) return MarkKind::unanswered;
    if (m.verdict == Mark::Verdict::unreadable) return MarkKind::unreadable;
    return m.right ? MarkKind::right : MarkKind::wrong;
}

class Marker {
public:
    Marker(std::span<const Phrasebook* const> readers, ClassMarks& marks)
        : m_readers(readers), m_marks(marks) {}

    void error(std::uint64_t line, std::string_view message) {
        appendLineErrorJson(m_marks.out, line, message);
        m_marks.out += '\n';
        m_marks.allRead = false;
    }

    void mark(std::uint64_t line, const Sheet& sheet) {
        if (trimmed(sheet.address).empty()) return error(line, "missing address");
        if (trimmed(sheet.mask).empty()) return error(line, "missing mask");
        auto read = readAddress(trimmed(sheet.address), trimmed(sheet.mask));
        if (auto* why = std::get_if<std::string>(&read)) return error(line, *why);
        const Exercise e(Problem{std::move(std::get<AddressTexts>(read))}, allQuestions);
        std::string& out = m_marks.out;
        {
            JsonObject object(out);
            object.number("line", std::optional(line));
            object.text("student", sheet.student, true);
            JsonObject marks(object.key("marks"));
            for (const Question q : allQuestions) {
                const auto given = std::find_if(sheet.answers.begin(), sheet.answers.end(),
                                                [q](const auto& a) { return a.first == q; });
                if (given == sheet.answers.end()) continue;
                // A form has a column for every question; the blank ones that this problem
                // does not ask are no answers.
                const auto& asked = e.questions();
                if (std::find(asked.begin(), asked.end(), q) == asked.end() &&
                    trimmed(given->second).empty())
                    continue;
                const Mark m = e.check(q, given->second, m_readers, Phrasebook::english());
                const MarkKind kind = kindOf(m);
                ++m_tallies[std::size_t(q)][std::size_t(kind)];
                JsonObject entry(marks.key(questionKey(q)));
                entry.text("answer", m.answer);
                entry.text("mark", markNames[std::size_t(kind)]);
                entry.text("expected", m.expected, true);
                entry.text("reason", kind == MarkKind::unreadable ? m.text() : m.why, true);
            }
        }
        out += '\n';
    }

    // A line for each question that was answered or left blank on some line.
    void summary() {
        for (const Question q : allQuestions) {
            const auto& tally = m_tallies[std::size_t(q)];
            if (std::all_of(tally.begin(), tally.end(), [](auto n) { return n == 0; })) continue;
            {
                JsonObject object(m_marks.out);
                object.text("question", questionKey(q));
                for (std::size_t k = 0; k < markNames.size(); ++k)
                    object.number(markNames[k], std::optional(tally[k]));
            }
            m_marks.out += '\n';
        }
    }

private:
    std::span<const Phrasebook* const> m_readers;
    ClassMarks& m_marks;
    std::array<std::array<std::uint64_t, markNames.size()>, allQuestions.size()> m_tallies{};
};

void markJsonLines(std::string_view input, Marker& marker) {
    for (std::uint64_t line = 1; !input.empty(); ++line) {
        const auto end = std::min(input.find('\n'), input.size());
        std::string_view text = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        if (trimmed(text).empty()) continue;
        auto read = readJsonSheet(text);
        if (auto* error = std::get_if<std::string>(&read))
            marker.error(line, *error);
        else
            marker.mark(line, std::get<Sheet>(read));
    }
}

// What a CSV column holds.
struct Column {
    enum Kind : unsigned char { address, mask, student, answer, ignored } kind = ignored;
    Question question = Question::status;
};

void markCsv(std::string_view input, Marker& marker) {
    CsvRecords records(input);
    CsvRecords::Record header;
    if (!records.next(header)) return;
    if (!header.error.empty()) return marker.error(header.line, header.error);
    std::vector<Column> columns;
    std::string unknown;
    for (const std::string& cell : header.fields) {
        const std::string_view name = trimmed(cell);
        Column c;
        if (name == "address" || name == "mask" || name == "student")
            c.kind = name == "address" ? Column::address
                     : name == "mask"  ? Column::mask
                                       : Column::student;
        else if (const auto q = questionFromKey(name))
            c = {Column::answer, *q};
        // A spreadsheet may save empty columns beside the named ones.
        else if (!name.empty() && !worksheetOwn(name) && unknown.empty())
            unknown = quotedName("unknown question key", name);
        const auto same = [&](const Column& o) {
            return o.kind == c.kind && (c.kind != Column::answer || o.question == c.question);
        };
        if (c.kind != Column::ignored && std::any_of(columns.begin(), columns.end(), same))
            return marker.error(header.line, quotedName("a column named twice:", name));
        columns.push_back(c);
    }
    for (const auto kind : {Column::address, Column::mask})
        if (std::none_of(columns.begin(), columns.end(),
                         [kind](const Column& c) { return c.kind == kind; }))
            return marker.error(header.line,
                                kind == Column::address ? "no address column" : "no mask column");
    // The other columns are still marked.
    if (!unknown.empty()) marker.error(header.line, unknown);
    CsvRecords::Record r;
    while (records.next(r)) {
        // A blank line, or a spreadsheet's empty row (",,,"), is no pupil's.
        if (r.error.empty() && std::all_of(r.fields.begin(), r.fields.end(),
                                           [](const std::string& f) { return trimmed(f).empty(); }))
            continue;
        if (r.error.empty() && r.fields.size() != columns.size())
            r.error = std::to_string(r.fields.size()) + " fields where the header has " +
                      std::to_string(columns.size());
        if (!r.error.empty()) {
            marker.error(r.line, r.error);
            continue;
        }
        Sheet sheet;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            std::string& field = r.fields[i];
            switch (columns[i].kind) {
                case Column::address:
                    sheet.address = std::move(field);
                    break;
                case Column::mask:
                    sheet.mask = std::move(field);
                    break;
                case Column::student:
                    sheet.student = std::move(field);
                    break;
                case Column::answer:
                    sheet.answers.emplace_back(columns[i].question, std::move(field));
                    break;
                case Column::ignored:
                    break;
            }
        }
        marker.mark(r.line, sheet);
    }
}

}  // namespace

ClassMarks markClass(std::string_view input, AnswerFormat format,
                     std::span<const Phrasebook* const> readers) {
    ClassMarks marks;
    Marker marker(readers, marks);
    // What a spreadsheet saves as UTF-8 may begin with a byte order mark.
    if (input.starts_with("\xEF\xBB\xBF")) input.remove_prefix(3);
    if (format == AnswerFormat::csv)
        markCsv(input, marker);
    else
        markJsonLines(input, marker);
    marker.summary();
    return marks;
}

}  // namespace octaval
