// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace octaval {

/// The boxes of the main window, by control name.
enum class Box : std::uint8_t {
    Text1 = 1,
    Text2,
    Text3,
    Text4,  // IP address, octets 1..4 (input)
    Text5,
    Text6,
    Text7,
    Text8,  // subnet mask, octets 1..4 (input)
    Text9,
    Text10,
    Text11,
    Text12,  // network address ("Subnet" row)
    Text13,
    Text14,
    Text15,
    Text16,  // broadcast address
    Text17,  // class letter
    Text18,
    Text19,
    Text20,  // network, subnet and host lines
    Text21,  // status
    Text26 = 26,
    Text27,
    Text28,
    Text29,  // first usable subnet ("Subnet 1")
    Text30,
    Text31,
    Text32,
    Text33,  // last usable subnet ("Subnet N")
};

/// Box with the given control number (1..21 or 26..33).
constexpr Box boxNumber(int n) {
    return static_cast<Box>(n);
}
/// The control number of a box.
constexpr int numberOf(Box box) {
    return static_cast<int>(box);
}

/// Octet k (1..4) of a row of four boxes that starts at `first`.
constexpr Box octetBox(Box first, int k) {
    return boxNumber(numberOf(first) + k - 1);
}

/// The control name, "Text1" .. "Text33".
std::string_view boxName(Box box);

/// Every box the calculator knows, in control-number order.
inline constexpr std::array<Box, 29> allBoxes = {
    Box::Text1,  Box::Text2,  Box::Text3,  Box::Text4,  Box::Text5,  Box::Text6,
    Box::Text7,  Box::Text8,  Box::Text9,  Box::Text10, Box::Text11, Box::Text12,
    Box::Text13, Box::Text14, Box::Text15, Box::Text16, Box::Text17, Box::Text18,
    Box::Text19, Box::Text20, Box::Text21, Box::Text26, Box::Text27, Box::Text28,
    Box::Text29, Box::Text30, Box::Text31, Box::Text32, Box::Text33};

/// How the engine reaches the window's boxes. The window implements it with its widgets; the
/// command-line program and the tests use MemoryBoxes.
class BoxAccess {
public:
    virtual ~BoxAccess() = default;
    /// The box's whole current text.
    virtual std::string text(Box box) const = 0;
    /// Replaces the box's text at once; a disabled box is written like any other, and the text is
    /// stored exactly, a lone blank included.
    virtual void setText(Box box, std::string_view text) = 0;
};

/// The texts of the four boxes of an address or mask row, octet 1 first.
using OctetTexts = std::array<std::string_view, 4>;

/// Types the address into Text1..Text4 and then the mask into Text5..Text8, box by box in that
/// order, as a person would (in the window the mask boxes follow the first octet as it is set).
void setInputs(BoxAccess& boxes, const OctetTexts& address, const OctetTexts& mask);

/// Boxes held in memory.
class MemoryBoxes final : public BoxAccess {
public:
    std::string text(Box box) const override;
    void setText(Box box, std::string_view text) override;
    /// The box's text without a copy.
    const std::string& operator[](Box box) const { return m_texts[numberOf(box)]; }

private:
    std::array<std::string, 34> m_texts{};
};

}  // namespace octaval
