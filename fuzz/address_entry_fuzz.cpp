// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the gate of the octet boxes on any change of a box's text. Three bytes (flags: bit 0
// a mask row, bits 1-2 the box, bit 3 typed; then the selection's start and end), then the box's
// text before and after the change, separated by a NUL, in UTF-8 read leniently (three-byte forms
// give any UTF-16 unit, lone surrogates too; other bytes stand for themselves).

#include <string>

#include "fuzz/fuzz_support.h"
#include "report/address_entry.h"
#include "report/address_text.h"

namespace {

std::u16string utf16(std::string_view bytes) {
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = std::uint8_t(bytes[i]);
        if (b >= 0xe0 && b < 0xf0 && i + 2 < bytes.size()) {
            text += char16_t(((b & 0x0f) << 12) | ((std::uint8_t(bytes[i + 1]) & 0x3f) << 6) |
                             (std::uint8_t(bytes[i + 2]) & 0x3f));
            i += 2;
        } else if (b >= 0xc0 && b < 0xe0 && i + 1 < bytes.size()) {
            text += char16_t(((b & 0x1f) << 6) | (std::uint8_t(bytes[++i]) & 0x3f));
        } else {
            text += char16_t(b);
        }
    }
    return text;
}

constexpr auto isHighSurrogate = [](char16_t c) { return c >= 0xd800 && c < 0xdc00; };
constexpr auto isLowSurrogate = [](char16_t c) { return c >= 0xdc00 && c < 0xe000; };

}  // namespace

OCTAVAL_FUZZ_TARGET(input) {
    using namespace octaval;
    using fuzz::check;
    if (input.size() < 3) return;
    const auto row = input[0] & 1 ? RowKind::mask : RowKind::address;
    const std::size_t box = (input[0] >> 1) & 3;
    const bool typed = input[0] & 8;
    const auto texts = fuzz::split(input.substr(3), '\0', 2);
    const std::u16string before = utf16(texts[0]), after = utf16(texts[1]);

    // The change read from the texts before and after: it makes `after` of `before`, and it is
    // the selection's when `after` reads so.
    const std::size_t to = std::min<std::size_t>(std::uint8_t(input[2]), before.size());
    const std::size_t from = std::min<std::size_t>(std::uint8_t(input[1]), to);
    BoxChange change = changeBetween(before, from, to, after);
    change.typed = typed;
    check(change.from <= change.to && change.to <= before.size(), "the change is not in the text");
    const std::u16string_view head = std::u16string_view(before).substr(0, change.from),
                              tail = std::u16string_view(before).substr(change.to);
    check(std::u16string(head).append(change.inserted).append(tail) == after,
          "the change does not make the text after it");
    const bool selection = after.size() >= from + before.size() - to &&
                           after.starts_with(before.substr(0, from)) &&
                           after.ends_with(before.substr(to));
    check(!selection || (change.from == from && change.to == to),
          "a change that replaced the selection is read otherwise");

    const RowEntry entry = enterText(row, box, change);
    const std::size_t kept = head.size() + tail.size();
    switch (entry.kind) {
        case RowEntry::Kind::nextBox:
            check(typed && change.inserted == u"." && box < 3, "a box moves on for no typed dot");
            break;
        case RowEntry::Kind::rows: {
            check(!change.inserted.empty(), "rows filled by nothing");
            check(entry.address.has_value() == (row == RowKind::address) &&
                      (row == RowKind::address || entry.mask),
                  "a row filled with what it does not show");
            // What the rows show, pasted again whole, fills them alike; and every part fits a box.
            for (const auto& parts : {entry.address, entry.mask})
                if (parts)
                    for (const std::string& part : *parts)
                        check(part.size() <= octetLength, "a part longer than a box");
            std::string again = row == RowKind::address ? fuzz::dotted(*entry.address) : "";
            if (entry.mask) again += (again.empty() ? "" : " ") + fuzz::dotted(*entry.mask);
            const RowEntry twice = enterText(row, box, {u"", 0, 0, utf16(again)});
            check(twice.kind == RowEntry::Kind::rows && twice.address == entry.address &&
                      twice.mask == entry.mask,
                  "the rows' texts pasted again fill them otherwise");
            break;
        }
        case RowEntry::Kind::refused: {
            // Only where nothing of it fits beside what the change keeps.
            check(!change.inserted.empty() &&
                      (kept >= octetLength ||
                       (kept + 1 == octetLength && change.inserted.size() > 1 &&
                        isHighSurrogate(change.inserted[0]) && isLowSurrogate(change.inserted[1]))),
                  "a change refused though some of it fits");
            break;
        }
        case RowEntry::Kind::box: {
            // The kept parts with as much of the inserted text as fits, the cursor after it.
            const std::size_t n = entry.text.size() - kept;
            check(entry.text.size() >= kept && n <= change.inserted.size() &&
                      entry.text ==
                          std::u16string(head).append(change.inserted.substr(0, n)).append(tail) &&
                      entry.cursor == head.size() + n,
                  "the box's text is not the change, cut");
            // Cut only where it does not fit (nothing inserted always fits, even in a text that
            // is longer than a box), and then to the full box, but never between the halves of a
            // surrogate pair; never to nothing, which is refused rather than a replacement that
            // only deletes.
            check((change.inserted.empty() || kept + change.inserted.size() <= octetLength) ==
                      (n == change.inserted.size()),
                  "a text cut that fits the box, or one that does not fit left whole");
            if (n < change.inserted.size())
                check(n > 0 && (entry.text.size() == octetLength ||
                                (entry.text.size() + 1 == octetLength &&
                                 isHighSurrogate(change.inserted[n]))),
                      "a text cut short of the box's room, or to nothing");
            if (n > 0 && n < change.inserted.size())
                check(
                    !isHighSurrogate(change.inserted[n - 1]) || !isLowSurrogate(change.inserted[n]),
                    "a cut between a surrogate pair");
            break;
        }
    }
}
