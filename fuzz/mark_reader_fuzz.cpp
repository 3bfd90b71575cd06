// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the marking of a class's answers on any bytes, as JSON Lines or, when the first
// byte is odd, as CSV. Every line written reads back as a JSON object through the reader itself
// (so the output is valid UTF-8 JSON whatever came in), and the run counts as read exactly when
// no line is an error. A text written as a JSON string reads back as itself.

#include <string>
#include <variant>

#include "fuzz/fuzz_support.h"
#include "practice/marking.h"
#include "report/json_reader.h"
#include "report/json_writer.h"

OCTAVAL_FUZZ_TARGET(bytes) {
    using namespace octaval;
    if (bytes.empty()) return;
    const std::string_view input = bytes.substr(1);
    const Phrasebook* const readers[] = {&Phrasebook::english()};
    const ClassMarks marks =
        markClass(input, bytes[0] % 2 ? AnswerFormat::csv : AnswerFormat::jsonLines, readers);
    bool errors = false;
    for (const std::string_view line : fuzz::split(marks.out, '\n')) {
        if (line.empty()) continue;
        const auto read = readJson(line);
        const auto* value = std::get_if<JsonValue>(&read);
        fuzz::check(value && value->kind == JsonValue::Kind::object, "a line is no JSON object");
        errors = errors || value->member("error");
        fuzz::check(value->member("line") || value->member("question"), "a line of no kind");
    }
    fuzz::check(marks.out.empty() || marks.out.back() == '\n', "the last line is not ended");
    fuzz::check(errors == !marks.allRead, "the run is counted as read against its lines");

    if (isUtf8(input)) {
        std::string quoted;
        appendJsonString(quoted, input);
        const auto read = readJson(quoted);
        const auto* value = std::get_if<JsonValue>(&read);
        fuzz::check(value && value->text == input, "a written string reads back as another");
    }
}
