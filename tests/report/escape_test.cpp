// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

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
}

}  // namespace
