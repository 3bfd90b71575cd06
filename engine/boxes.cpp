// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/boxes.h"

namespace octaval {

std::string_view boxName(Box box) {
    static constexpr std::array<std::string_view, 34> names = {
        "",       "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
        "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17",
        "Text18", "Text19", "Text20", "Text21", "",       "",       "",       "",       "Text26",
        "Text27", "Text28", "Text29", "Text30", "Text31", "Text32", "Text33"};
    return names[static_cast<std::size_t>(numberOf(box))];
}

std::string MemoryBoxes::text(Box box) const {
    return m_texts[numberOf(box)];
}

// Defined here rather than inline: inlined into a caller that passes literals, GCC 12 reports a
// false -Wrestrict on std::string::assign.
void MemoryBoxes::setText(Box box, std::string_view text) {
    m_texts[numberOf(box)].assign(text);
}

void setInputs(BoxAccess& boxes, const OctetTexts& address, const OctetTexts& mask) {
    for (int k = 1; k <= 4; ++k)
        boxes.setText(octetBox(Box::Text1, k), address[static_cast<std::size_t>(k - 1)]);
    for (int k = 1; k <= 4; ++k)
        boxes.setText(octetBox(Box::Text5, k), mask[static_cast<std::size_t>(k - 1)]);
}

}  // namespace octaval
