// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/address_entry.h"

#include <algorithm>

#include "report/address_text.h"

namespace octaval {
namespace {

// The blanks that a paste may bring around an address: ASCII's and Unicode's spaces (a web page's
// no-break space), as the toolkits' trimming knows them.
constexpr bool isBlank(char16_t c) {
    return (c >= 9 && c <= 13) || c == 0x20 || c == 0x85 || c == 0xa0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200a) || c == 0x2028 || c == 0x2029 || c == 0x202f ||
           c == 0x205f || c == 0x3000;
}

// The text without the blanks around it, in ASCII; nothing when anything else is left, which no
// address or mask holds.
std::optional<std::string> trimmedAscii(std::u16string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::string ascii;
    ascii.reserve(text.size());
    for (const char16_t c : text) {
        if (c >= 0x80) return std::nullopt;
        ascii += char(c);
    }
    return ascii;
}

// Whether each part goes into a box as it stands. A slash belongs between an address and its
// mask, never in a part: "10.1.2.3//25.255.0.0" would put "/25" into a mask box, and the row
// pasted again would read it as a prefix length.
template <typename Parts>
bool fitsRow(const Parts& parts) {
    return std::all_of(parts.begin(), parts.end(), [](const auto& part) {
        return part.size() <= octetLength && part.find('/') == part.npos;
    });
}

template <typename Parts>
std::array<std::string, 4> strings(const Parts& parts) {
    return {std::string(parts[0]), std::string(parts[1]), std::string(parts[2]),
            std::string(parts[3])};
}

// The rows that a text fills when it goes whole into a row of that kind; nothing for any other
// text, which goes into its box as usual. Parts longer than a box would be cut, so they do not
// make a whole address.
std::optional<RowEntry> wholeRows(RowKind row, std::u16string_view inserted) {
    const auto text = trimmedAscii(inserted);
    if (!text) return std::nullopt;
    RowEntry entry;
    entry.kind = RowEntry::Kind::rows;
    if (row == RowKind::address) {
        auto parsed = parseAddressText(*text);
        if (!parsed || !fitsRow(parsed->address) || (parsed->mask && !fitsRow(*parsed->mask)))
            return std::nullopt;
        entry.address = std::move(parsed->address);
        entry.mask = std::move(parsed->mask);
    } else if (text->starts_with('/')) {
        entry.mask = prefixMask(std::string_view(*text).substr(1));
        if (!entry.mask) return std::nullopt;
    } else {
        const auto parts = splitDotted(*text);
        if (!parts || !fitsRow(*parts)) return std::nullopt;
        entry.mask = strings(*parts);
    }
    return entry;
}

bool isDigits(std::u16string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

constexpr bool isHighSurrogate(char16_t c) {
    return c >= 0xd800 && c < 0xdc00;
}

constexpr bool isLowSurrogate(char16_t c) {
    return c >= 0xdc00 && c < 0xe000;
}

}  // namespace

RowEntry enterText(RowKind row, std::size_t box, const BoxChange& change) {
    const std::u16string_view before = change.before;
    const std::size_t to = std::min(change.to, before.size());
    const std::size_t from = std::min(change.from, to);
    const std::u16string_view head = before.substr(0, from), tail = before.substr(to);
    std::u16string_view inserted = change.inserted;
    RowEntry entry;
    // A dot typed after the digits of a box moves on to the next box of its row, as address
    // fields do; anywhere else it is a character like any other ("1.5").
    if (change.typed && inserted == u"." && from == to && tail.empty() && isDigits(head) &&
        box + 1 < 4) {
        entry.kind = RowEntry::Kind::nextBox;
        return entry;
    }
    if (!inserted.empty())
        if (auto rows = wholeRows(row, inserted)) return std::move(*rows);
    const std::size_t kept = head.size() + tail.size();
    // What the user did not touch stays as it is, even in a text longer than a box that the
    // program set; what comes in is cut to the room that leaves. A change that inserts nothing (a
    // deletion, or none at all) is never refused.
    if (!inserted.empty() && kept + inserted.size() > octetLength) {
        std::size_t room = octetLength - std::min(octetLength, kept);
        // Never between the halves of a pair; a lone half is cut like any other unit.
        if (room > 0 && isHighSurrogate(inserted[room - 1]) && isLowSurrogate(inserted[room]))
            --room;
        // Nothing of it fits: as if nothing had been typed, the selection kept too, rather than
        // a paste that only deletes what it was meant to replace.
        if (room == 0) return entry;
        inserted = inserted.substr(0, room);
    }
    entry.kind = RowEntry::Kind::box;
    entry.text.reserve(kept + inserted.size());
    entry.text.append(head).append(inserted).append(tail);
    entry.cursor = head.size() + inserted.size();
    return entry;
}

BoxChange changeBetween(std::u16string_view before, std::size_t from, std::size_t to,
                        std::u16string_view after) {
    to = std::min(to, before.size());
    from = std::min(from, to);
    const std::size_t kept = from + (before.size() - to);
    if (after.size() >= kept && after.starts_with(before.substr(0, from)) &&
        after.ends_with(before.substr(to)))
        return {before, from, to, after.substr(from, after.size() - kept)};
    return {before, 0, before.size(), after};
}

}  // namespace octaval
