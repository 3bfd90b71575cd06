// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json_writer.h"

#include <gtest/gtest.h>

namespace {

// The engine never writes a text that needs an escape; the writer stays correct if it did.
TEST(JsonWriter, EscapesWhatJsonRequires) {
    octaval::MemoryBoxes boxes;
    boxes.setText(octaval::Box::Text17, "\"\\\n\x1f\xc3\xa9");
    std::string out;
    octaval::appendResultJson(out, boxes);
    EXPECT_NE(out.find(R"("class":"\"\\\u000a\u001f)"
                       "\xc3\xa9\""),
              std::string::npos)
        << out;
}

}  // namespace
