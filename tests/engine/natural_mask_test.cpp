// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "engine/calculator.h"

namespace octaval {
namespace {

TEST(NaturalMask, FollowsTheFirstOctetValue) {
    const char* classA = "255.0.0.0";
    const char* classB = "255.255.0.0";
    const char* classC = "255.255.255.0";
    const struct {
        const char* text;
        const char* mask;
    } cases[] = {{"", classA},      {"abc", classA}, {"0", classA},     {"-5", classA},
                 {"12x", classA},   {"127", classA}, {"1.5", classA},   {"127.9", classA},
                 {"128", classB},   {"191", classB}, {"191.9", classB}, {"192", classC},
                 {"223", classC},   {"224", classC}, {"255", classC},   {"256", classC},
                 {"999", classC},   {"1e3", classC}, {"&H80", classB},  {"1e400", classC},
                 {"-1e400", classA}};
    for (const auto& c : cases) {
        const auto m = naturalMask(c.text);
        EXPECT_EQ(std::string(m[0]) + "." + std::string(m[1]) + "." + std::string(m[2]) + "." +
                      std::string(m[3]),
                  c.mask)
            << "first octet text: " << c.text;
    }
}

TEST(NaturalMask, RewritesOnlyTheMaskBoxes) {
    MemoryBoxes boxes;
    setInputs(boxes, {"150", "1", "2", "3"}, {"255", "255", "255", "252"});
    boxes.setText(Box::Text21, "typed");
    ApplyNaturalMask(boxes);
    EXPECT_EQ(boxes[Box::Text5], "255");
    EXPECT_EQ(boxes[Box::Text6], "255");
    EXPECT_EQ(boxes[Box::Text7], "0");
    EXPECT_EQ(boxes[Box::Text8], "0");
    EXPECT_EQ(boxes[Box::Text1], "150");
    EXPECT_EQ(boxes[Box::Text4], "3");
    EXPECT_EQ(boxes[Box::Text21], "typed");
}

}  // namespace
}  // namespace octaval
