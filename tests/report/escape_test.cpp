// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "report/escape.h"
#include "report/json_reader.h"
#include "report/json_writer.h"
#include "report/text_report.h"

namespace {

using namespace octaval;

// A box text that no press writes still gives valid JSON and whole report lines.
TEST(Escape, BoxTextsThatNeedItAreEscapedInEveryReport) {
    MemoryBoxes boxes;
    for (const Box b : allBoxes)
        boxes.setText(b, " ");
    boxes.setText(Box::Text17, "\"\\");
    boxes.setText(Box::Text21, std::string("a\n\t\r\x01\x7f", 6));
    std::string json;
    appendResultJson(json, boxes);
    EXPECT_NE(json.find(R"("class":"\"\\",)"), std::string::npos) << json;
    EXPECT_TRUE(json.ends_with(R"("status":"a\u000a\u0009\u000d\u0001)"
                               "\x7f"
                               R"("})"))
        << json;
    EXPECT_EQ(textReport(boxes),
              "Class        \"\\\n"
              R"(a\n\t\r\x01\x7f)"
              "\n");
    // A byte that is not UTF-8 is escaped, on a line a C1 control too; other UTF-8 is kept.
    const std::string odd = "\xC3\xA9\xFF\xC2\x9B";
    std::string line, inJson;
    appendEscaped(line, odd, Escape::visible);
    appendJsonString(inJson, odd);
    EXPECT_EQ(line, "\xC3\xA9\\xff\\xc2\\x9b");
    EXPECT_EQ(inJson, "\"\xC3\xA9\\\\xff\xC2\x9B\"");
}

// The reader takes what the standard allows and names the first fault of anything else.
TEST(Escape, JsonReaderIsStrict) {
    // Text, then what it reads as: the value's text (an object's at key "a"), or the error.
    const std::vector<std::pair<std::string, std::string_view>> rows = {
        {R"({"a":"\u00e9\ud83d\ude00\"\/\n"} )", "\u00e9\U0001F600\"/\n"},
        {" -1.5E+3", "-1.5E+3"},
        {R"({"a":1,"a":2})", "a key given twice at byte 11"},
        {"[01]", "a leading zero at byte 4"},
        {"[1.]", "digits expected at byte 4"},
        {R"(["\ud800x"])", "a lone surrogate at byte 9"},
        {"\"\xC0\x80\"", "not UTF-8 at byte 2"},
        {"\"\xED\xA0\x80\"", "not UTF-8 at byte 2"},
        {"\"a\tb\"", "a control character in a string at byte 3"},
        {R"({"a" 1})", "':' expected at byte 6"},
        {R"({"a":1} 2)", "more after the value at byte 9"},
        {"tru", "a value expected at byte 1"},
        {std::string(maxJsonDepth, '[') + std::string(maxJsonDepth, ']'), ""},
        {std::string(maxJsonDepth + 1, '['), "nested too deep at byte 65"},
    };
    for (const auto& [text, expected] : rows) {
        const auto read = readJson(text);
        const auto* value = std::get_if<JsonValue>(&read);
        const JsonValue* shown = value && value->member("a") ? value->member("a") : value;
        EXPECT_EQ(shown ? shown->text : std::get<std::string>(read), expected) << text;
    }
}

}  // namespace
