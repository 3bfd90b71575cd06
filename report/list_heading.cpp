// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/list_heading.h"

#include <array>
#include <optional>

#include "engine/subnets.h"
#include "report/address_text.h"
#include "report/subnet_rows.h"

namespace octaval {
namespace {

// A count of the heading in the reader's words, its digits grouped as the reader's language
// groups them.
std::string countWords(const Phrasebook& book, Phrase words, std::uint64_t count) {
    std::string text = book.translated(words, static_cast<std::int64_t>(count));
    const std::string digits = std::to_string(count);
    if (const auto at = text.find(digits); at != std::string::npos)
        text.replace(at, digits.size(), book.grouped(count));
    return text;
}

}  // namespace

std::string listHeading(const Phrasebook& book, const PressOutcome& outcome,
                        const CalculatorState& state, std::string_view classLetter) {
    if (!outcome.passed())
        return book.say(phrase("octaval::frmSubnets", "No subnets to list: %1"),
                        {book.status(outcome.status())});
    const std::optional<SubnetList> list = SubnetList::of(state);
    if (!list)
        return book.say(phrase("octaval::frmSubnets", "Class %1 has no subnets"), {classLetter});
    // Both counts: every subnet that the list holds, and those the main window counts.
    std::array<char, 16> network{}, mask{};
    return book.say(
        phrase("octaval::frmSubnets", "%1, %2 of the class %3 network %4 under %5"),
        {countWords(book, counted("octaval::frmSubnets", "%n subnets", "%n subnet"), list->count()),
         countWords(book, counted("octaval::frmSubnets", "%n usable"), list->usableCount()),
         classLetter, addressText(list->address() & list->classField(), network),
         addressText(pressAddresses(state).mask, mask)});
}

}  // namespace octaval
